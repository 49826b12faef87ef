// quillanreg: shows the per-user registry store to its user and moves keys
// in and out of it as .reg text.
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "platform/ini/AtomicReplace.h"
#include "platform/posix/RegularFile.h"
#include "platform/registry/SqliteRegistry.h"
#include "tools/quillanreg/RegTransfer.h"

namespace {

namespace reg = quillan::reg;
namespace regfile = quillan::regfile;

// Exit statuses, in the numbering scriptrun uses (the README lists them).
enum ExitStatus : int {
  kExitOk = 0,
  kExitNotFound = 1,      // query or export: no such key or value
  kExitSkipped = 2,       // export: written without the keys or values named on standard error
  kExitUsage = 64,        // wrong arguments
  kExitBadFile = 65,      // import: the .reg file has an error (named with its line); nothing was changed
  kExitCannotRead = 66,   // import: the .reg file cannot be read
  kExitStore = 74,        // the store cannot be opened, read or written, or standard output failed
  kExitCannotWrite = 73,  // export: the output file cannot be written
  kExitUnexpected = 70,   // out of memory
};

constexpr const char* kUsage =
    "Usage: quillanreg [--store FILE] COMMAND ...\n"
    "Shows and changes the Quillan registry store of the current user.\n"
    "\n"
    "Commands:\n"
    "  export [KEY] [-o FILE]  write KEY and every key below it (default: the\n"
    "                          whole store) as REGEDIT4 text to FILE or to\n"
    "                          standard output\n"
    "  import FILE             apply a REGEDIT4 file, all of it or (on an error,\n"
    "                          named with its line) nothing\n"
    "  query KEY [NAME]        without NAME: the key's values in .reg notation,\n"
    "                          then its subkeys (each followed by \\); with NAME\n"
    "                          (\"\" for the default value): that value as\n"
    "                          REGREAD reads it\n"
    "\n"
    "KEY is a root (HKEY_CURRENT_USER or HKCU, HKEY_LOCAL_MACHINE or HKLM,\n"
    "HKEY_CLASSES_ROOT or HKCR, HKEY_USERS or HKU, HKEY_DYN_DATA or HKDD),\n"
    "optionally followed by \\ and a path such as Software\\Harrowby.\n"
    "\n"
    "Options:\n"
    "  --store FILE  use the store in FILE instead of the one scriptrun uses\n"
    "                ($QUILLAN_REGISTRY, else ~/.config/quillan/registry.db)\n"
    "  --help        show this text\n"
    "\n"
    "Exit status: 0 done; 1 no such key or value; 2 exported without the\n"
    "names a .reg file cannot hold (listed on standard error); 64 wrong\n"
    "arguments; 65 an error in the .reg file (nothing changed); 66 the .reg\n"
    "file cannot be read; 70 out of memory; 73 the output file cannot be\n"
    "written; 74 the store cannot be opened, read or written.\n";

int fail(int status, const std::string& message) {
  std::fprintf(stderr, "quillanreg: %s\n", message.c_str());
  return status;
}

int usage(const std::string& message) { return fail(kExitUsage, message + " (see quillanreg --help)"); }

struct Arguments {
  std::string store;
  std::string output;  // export -o
  bool help = false;
  std::vector<std::string> words;  // the command and its operands
};

// Options may stand anywhere; "--" ends them.
bool parseArguments(int argc, char** argv, Arguments& args, std::string& error) {
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto valueOf = [&](const char* option, std::string& into) {
      if (i + 1 >= argc) {
        error = std::string(option) + " needs a file name";
        return false;
      }
      into = argv[++i];
      return true;
    };
    if (options && arg == "--") {
      options = false;
    } else if (options && (arg == "--help" || arg == "-h")) {
      args.help = true;
    } else if (options && arg == "--store") {
      if (!valueOf("--store", args.store)) return false;
    } else if (options && arg.rfind("--store=", 0) == 0) {
      args.store = arg.substr(8);
    } else if (options && arg == "-o") {
      if (!valueOf("-o", args.output)) return false;
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + arg;
      return false;
    } else {
      args.words.push_back(arg);
    }
  }
  return true;
}

// The store, opened now so that a refusal is reported as such.
int storeProblem(reg::SqliteRegistry& store) {
  reg::Handle probe = 0;
  if (store.openKey(reg::CurrentUser, "", probe) == reg::Success) {
    store.closeKey(probe);
    return kExitOk;
  }
  if (!store.refusal().empty()) return fail(kExitStore, store.refusal());
  return fail(kExitStore, "cannot open the registry store " + store.path());
}

int storeFailure(reg::SqliteRegistry& store, reg::Status status) {
  return fail(kExitStore, "the registry store " + store.path() + ": " + regfile::describeStatus(status));
}

bool keyArgument(const std::string& text, regfile::KeyPath& key, std::string& error) {
  std::optional<regfile::KeyPath> parsed = regfile::parseKeyName(text, error);
  if (parsed) key = std::move(*parsed);
  return parsed.has_value();
}

bool writeStdout(const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

int exportCommand(reg::SqliteRegistry& store, const Arguments& args) {
  if (args.words.size() > 2) return usage("export takes at most one KEY");
  if (int problem = storeProblem(store)) return problem;
  std::string text;
  regfile::ExportReport report;
  if (args.words.size() == 2) {
    regfile::KeyPath key;
    std::string error;
    if (!keyArgument(args.words[1], key, error)) return usage(error);
    if (reg::Status s = regfile::spellAsStored(store, key); s != reg::Success)
      return s == reg::FileNotFound ? fail(kExitNotFound, "no key " + args.words[1]) : storeFailure(store, s);
    regfile::writeHeader(text);
    report = regfile::exportKeys(store, key, text);
  } else {
    report = regfile::exportStore(store, text);
  }
  if (report.status != reg::Success) return storeFailure(store, report.status);
  if (args.output.empty()) {
    if (!writeStdout(text)) return fail(kExitStore, "cannot write to standard output");
  } else if (const auto replaced = quillan::ini::replaceFileAtomically(args.output, text); !replaced.ok) {
    return fail(kExitCannotWrite, replaced.error);
  }
  for (const std::string& skipped : report.skipped)
    std::fprintf(stderr, "quillanreg: not exported (a line break in its name): %s\n", skipped.c_str());
  return report.skipped.empty() ? kExitOk : kExitSkipped;
}

int importCommand(reg::SqliteRegistry& store, const Arguments& args) {
  if (args.words.size() != 2) return usage("import takes one FILE");
  if (!args.output.empty()) return usage("-o belongs to export");
  const std::string& file = args.words[1];
  std::string text;
  if (const int code = quillan::posix::readRegularFile(file, text); code != 0)
    return fail(kExitCannotRead, "cannot read " + file + ": " + quillan::posix::describeReadError(code));
  const regfile::RegParse parsed = regfile::readRegText(text);
  if (!parsed.ok()) return fail(kExitBadFile, file + ":" + std::to_string(parsed.errorLine) + ": " + parsed.error);
  if (int problem = storeProblem(store)) return problem;

  regfile::ApplyReport applied;
  const reg::Status s = store.inOneTransaction([&] {
    applied = regfile::applyOperations(store, parsed.operations);
    return applied.status;
  });
  if (!applied.ok()) {
    const std::string where = file + ":" + std::to_string(applied.line) + ": ";
    return fail(applied.status == reg::StoreFailure ? kExitStore : kExitBadFile,
                where + applied.error + "; nothing was changed");
  }
  if (s != reg::Success) return storeFailure(store, s);
  return kExitOk;
}

// A value as REGREAD gives it to a script: a string up to its first NUL, a
// number in signed decimal, binary bytes in decimal separated by ",". Types
// REGREAD does not read are shown in .reg notation.
std::string valueAsRead(std::uint32_t type, const std::string& data) {
  switch (type) {
    case reg::Sz:
      return data.substr(0, data.find('\0'));
    case reg::Dword: {
      std::uint32_t number = 0;
      for (std::size_t i = 0; i < data.size() && i < 4; ++i) number |= std::uint32_t(std::uint8_t(data[i])) << (8 * i);
      return std::to_string(std::int32_t(number));
    }
    case reg::Binary: {
      std::string text;
      for (std::size_t i = 0; i < data.size(); ++i) {
        if (i) text += ',';
        text += std::to_string(std::uint8_t(data[i]));
      }
      return text;
    }
    default:
      return regfile::valueNotation(type, data);
  }
}

int queryCommand(reg::SqliteRegistry& store, const Arguments& args) {
  if (args.words.size() < 2 || args.words.size() > 3) return usage("query takes KEY and an optional NAME");
  if (!args.output.empty()) return usage("-o belongs to export");
  regfile::KeyPath key;
  std::string error;
  if (!keyArgument(args.words[1], key, error)) return usage(error);
  if (int problem = storeProblem(store)) return problem;
  reg::Handle handle = 0;
  if (reg::Status s = store.openKey(key.root, key.path, handle); s != reg::Success)
    return s == reg::FileNotFound ? fail(kExitNotFound, "no key " + args.words[1]) : storeFailure(store, s);
  std::string out;
  reg::Status s = reg::Success;
  if (args.words.size() == 3) {
    std::uint32_t type = 0;
    std::string data;
    s = regfile::readValue(store, handle, args.words[2], type, data);
    if (s == reg::Success) out = valueAsRead(type, data) + "\n";
  } else {
    std::string name, data;
    std::uint32_t type = 0;
    for (std::uint32_t i = 0; s == reg::Success; ++i) {
      std::uint32_t size = 0;
      s = store.enumValue(handle, i, name, &type, nullptr, &size);
      if (s != reg::Success) break;
      data.assign(std::size_t(size) + 1, '\0');
      s = store.enumValue(handle, i, name, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size);
      data.resize(size);
      if (s == reg::Success) out += regfile::nameNotation(name) + "=" + regfile::valueNotation(type, data) + "\n";
    }
    if (s == reg::NoMoreItems) s = reg::Success;
    for (std::uint32_t i = 0; s == reg::Success; ++i) {
      s = store.enumKey(handle, i, name);
      if (s == reg::Success) out += name + "\\\n";
    }
    if (s == reg::NoMoreItems) s = reg::Success;
  }
  store.closeKey(handle);
  if (s == reg::FileNotFound) return fail(kExitNotFound, "no value \"" + args.words[2] + "\" in " + args.words[1]);
  if (s != reg::Success) return storeFailure(store, s);
  return writeStdout(out) ? kExitOk : fail(kExitStore, "cannot write to standard output");
}

int run(int argc, char** argv) {
  Arguments args;
  std::string error;
  if (!parseArguments(argc, argv, args, error)) return usage(error);
  if (args.help) {
    std::fputs(kUsage, stdout);
    return kExitOk;
  }
  if (args.words.empty()) {
    std::fputs(kUsage, stderr);
    return kExitUsage;
  }
  reg::SqliteRegistry store(args.store.empty() ? reg::SqliteRegistry::defaultPath() : args.store);
  const std::string& command = args.words[0];
  if (command == "export") return exportCommand(store, args);
  if (command == "import") return importCommand(store, args);
  if (command == "query") return queryCommand(store, args);
  return usage("unknown command " + command);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::bad_alloc&) {
    return fail(kExitUnexpected, "out of memory");
  }
}
