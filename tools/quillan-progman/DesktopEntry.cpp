#include "tools/quillan-progman/DesktopEntry.h"

namespace quillan::progman {

std::string desktopString(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) out += c;
    }
  }
  if (!out.empty() && out.front() == ' ') out.replace(0, 1, "\\s");
  return out;
}

std::vector<std::string> splitCommandLine(std::string_view line) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false, quoted = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inArgument = true;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (inArgument) arguments.push_back(std::move(current));
      current.clear();
      inArgument = false;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (inArgument) arguments.push_back(std::move(current));
  return arguments;
}

std::string execValue(const std::vector<std::string>& arguments) {
  static constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  static constexpr std::string_view kEscapedInQuotes = "\"`$\\";
  std::string exec;
  for (const std::string& argument : arguments) {
    if (!exec.empty()) exec += ' ';
    const bool quote = argument.empty() || argument.find_first_of(kReserved) != std::string::npos;
    if (quote) exec += '"';
    for (const char c : argument) {
      if (quote && kEscapedInQuotes.find(c) != std::string_view::npos) exec += '\\';
      if (c == '%') exec += '%';
      exec += c;
    }
    if (quote) exec += '"';
  }
  return desktopString(exec);
}

}  // namespace quillan::progman
