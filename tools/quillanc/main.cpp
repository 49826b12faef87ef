// quillanc: compiles a plain-text Quillan script into a compiled script
// file that runs like a program (./hello.exe one two), after checking it
// for faults the runtime would only meet when a line runs.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "platform/posix/RegularFile.h"
#include "tools/quillanc/ScriptCompiler.h"
#include "tools/quillanc/check/ScriptChecker.h"

namespace {

namespace posix = quillan::posix;
namespace checker = quillan::checker;

constexpr const char* kUsage =
    "Usage: quillanc [OPTIONS] SCRIPT [-o OUTPUT]\n"
    "       quillanc --check [--Wno-NAME...] SCRIPT\n"
    "Compiles the Quillan script SCRIPT (plain text, one script line per line,\n"
    "LF or CRLF line ends) into a compiled script file. OUTPUT defaults to\n"
    "SCRIPT with the extension .exe. The output is executable: ./OUTPUT ARGS\n"
    "runs the script with scriptrun, the arguments becoming %1 to %9.\n"
    "\n"
    "Every compile checks the script first and reports what it finds on\n"
    "standard error as SCRIPT:LINE:COLUMN: warning: MESSAGE [-WNAME]\n"
    "(columns count bytes from 1); the compile still succeeds.\n"
    "\n"
    "Options:\n"
    "  -o OUTPUT    write the compiled script file to OUTPUT\n"
    "  --check      only check SCRIPT: write nothing, exit 1 if it warned, else 0\n"
    "  --Werror     fail (exit 1, no output file) when the check warned\n"
    "  --Wno-NAME   leave out the warnings named NAME\n"
    "  --help       show this text\n"
    "\n"
    "Warnings:\n"
    "  unknown-command    a line's first word is no command\n"
    "  undefined-label    GOTO or GOSUB to a label that does not exist\n"
    "                     (a target with % or @ is decided at run time)\n"
    "  duplicate-label    a label defined twice; jumps reach the first\n"
    "  unpaired-block     IF, ELSE, END, REPEAT and UNTIL that do not pair\n"
    "  unknown-function   an @ name that selects no function\n"
    "  call-parens        a call with a missing ( or )\n"
    "  stray-event-label  a :NAMEBUTTON or :CAPTIONMENU label for a button or\n"
    "                     menu item that the script's dialogs never define\n"
    "  unhandled-event    a button or menu item with no event label\n"
    "  assignment         a %X line with no = after the name (%A=1 needs a blank)\n"
    "The event warnings are given only for scripts that build their dialogs\n"
    "from literal element lists and jump to their events with GOTO %X.\n"
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

// Prints the warnings that are switched on; returns how many it printed.
std::size_t reportWarnings(const std::string& script, const std::vector<std::string>& lines,
                           const std::set<checker::WarningKind>& off) {
  std::size_t shown = 0;
  for (const checker::Warning& warning : checker::checkScript(lines)) {
    if (off.count(warning.kind) != 0) continue;
    std::cerr << checker::formatWarning(script, warning) << "\n";
    ++shown;
  }
  return shown;
}

int compile(int argc, char** argv) {
  std::string script;
  std::string output;
  bool checkOnly = false;
  bool warningsAreErrors = false;
  std::set<checker::WarningKind> off;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--check") {
      checkOnly = true;
    } else if (arg == "--Werror" || arg == "-Werror") {
      warningsAreErrors = true;
    } else if (arg.rfind("--Wno-", 0) == 0 || arg.rfind("-Wno-", 0) == 0) {
      const std::string name = arg.substr(arg.find("no-") + 3);
      const auto kind = checker::warningNamed(name);
      if (!kind) return fail("unknown warning " + name + " in " + arg + " (see quillanc --help)");
      off.insert(*kind);
    } else if (arg == "-o") {
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

  const std::vector<std::string> lines = quillan::compiler::splitSourceLines(text);
  std::string().swap(text);
  const std::size_t warned = reportWarnings(script, lines, off);
  const auto compiled = quillan::compiler::compileLines(lines);
  if (!compiled.ok) return fail(script + ": " + compiled.error);
  if (checkOnly) return warned != 0 ? 1 : 0;
  if (warningsAreErrors && warned != 0)
    return fail(script + ": " + std::to_string(warned) + (warned == 1 ? " warning" : " warnings") +
                " and --Werror: nothing written");
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
