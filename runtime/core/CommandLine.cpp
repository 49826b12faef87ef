#include "runtime/core/CommandLine.h"

namespace quillan::core {

CommandLine parseCommandLine(const std::vector<std::string>& args, const std::optional<std::string>& unattendedEnv) {
  CommandLine line;
  if (unattendedEnv) {
    line.unattended = true;
    line.answerFile = *unattendedEnv;
  }
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    line.action = CommandLine::Action::Help;
    return line;
  }
  if (args.size() == 1 && args[0] == "--version") {
    line.action = CommandLine::Action::Version;
    return line;
  }
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      ++i;
      break;
    }
    if (arg == "--unattended") {
      line.unattended = true;
      line.answerFile.clear();
    } else if (arg.rfind("--unattended=", 0) == 0) {
      line.unattended = true;
      line.answerFile = arg.substr(13);
    } else if (arg == "--trace") {
      line.trace = true;
      line.traceFile.clear();
    } else if (arg.rfind("--trace=", 0) == 0) {
      if (arg.size() == 8) {
        line.action = CommandLine::Action::Usage;
        line.usageError = "--trace= names no file";
        return line;
      }
      line.trace = true;
      line.traceFile = arg.substr(8);
    } else if (arg.size() > 1 && arg[0] == '-') {
      line.action = CommandLine::Action::Usage;
      line.usageError = "unknown option " + arg;
      return line;
    } else {
      break;
    }
  }
  if (i < args.size()) line.scriptArg = args[i++];
  for (; i < args.size(); ++i) line.parameters.push_back(args[i]);
  return line;
}

}  // namespace quillan::core
