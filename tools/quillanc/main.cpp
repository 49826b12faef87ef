// quillanc: compiles a plain-text Quillan script into a compiled script
// file that runs like a program (./hello.exe one two).
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>
#include <string>

#include "platform/posix/RegularFile.h"
#include "tools/quillanc/ScriptCompiler.h"

namespace {

namespace posix = quillan::posix;

constexpr const char* kUsage =
    "Usage: quillanc SCRIPT [-o OUTPUT]\n"
    "Compiles the Quillan script SCRIPT (plain text, one script line per line,\n"
    "LF or CRLF line ends) into a compiled script file. OUTPUT defaults to\n"
    "SCRIPT with the extension .exe. The output is executable: ./OUTPUT ARGS\n"
    "runs the script with scriptrun, the arguments becoming %1 to %9.\n"
    "\n"
    "Options:\n"
    "  -o OUTPUT   write the compiled script file to OUTPUT\n"
    "  --help      show this text\n"
    "\n"
    "SCRIPT must be a regular file of at most 256 MB.\n";

std::string defaultOutput(const std::string& script) {
  const std::size_t slash = script.find_last_of('/');
  const std::size_t dot = script.rfind('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return script.substr(0, dot) + ".exe";
  return script + ".exe";
}

int fail(const std::string& message) {
  std::cerr << "quillanc: " << message << "\n";
  return 1;
}

// Writes beside the target and renames, so a failed run never leaves half a
// compiled script where a working one stood.
bool writeExecutable(const std::string& path, const std::string& bytes, std::string& error) {
  const std::string temp = path + ".tmp-quillanc";
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (f == nullptr) {
    error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const int savedErrno = errno;
  if (std::fclose(f) != 0 || !written) {
    error = "cannot write " + path + ": " + std::strerror(written ? errno : savedErrno);
    std::remove(temp.c_str());
    return false;
  }
  if (::chmod(temp.c_str(), 0755) != 0 || std::rename(temp.c_str(), path.c_str()) != 0) {
    error = "cannot write " + path + ": " + std::strerror(errno);
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

int compile(int argc, char** argv) {
  std::string script;
  std::string output;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "-o") {
      if (i + 1 >= argc) return fail("-o needs an output file name");
      output = argv[++i];
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      return fail("unknown option " + arg + " (see quillanc --help)");
    } else if (script.empty()) {
      script = arg;
    } else {
      return fail("only one SCRIPT may be given (see quillanc --help)");
    }
  }
  if (script.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  if (output.empty()) output = defaultOutput(script);

  std::string text;
  if (const int code = posix::readRegularFile(script, text); code != 0)
    return fail("cannot read " + script + ": " + posix::describeReadError(code));

  const auto compiled = quillan::compiler::compileLines(quillan::compiler::splitSourceLines(text));
  if (!compiled.ok) return fail(script + ": " + compiled.error);
  // scriptrun holds the compiled file to the same cap; the stub and the
  // block headers add a little to the source.
  if (compiled.bytes.size() > posix::kMaxScriptFileBytes)
    return fail(script + ": the compiled script would be " + posix::describeReadError(EFBIG));
  std::string error;
  if (!writeExecutable(output, compiled.bytes, error)) return fail(error);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return compile(argc, argv);
  } catch (const std::bad_alloc&) {
    return fail("out of memory");
  }
}
