#include "tools/quillanc/check/Warning.h"

#include <cstdio>

namespace quillan::checker {

std::optional<WarningKind> warningNamed(std::string_view name) {
  for (std::size_t i = 0; i < kWarningKindCount; ++i)
    if (kWarningNames[i] == name) return static_cast<WarningKind>(i);
  return std::nullopt;
}

std::string formatWarning(std::string_view file, const Warning& warning) {
  std::string text(file);
  text += ':' + std::to_string(warning.line) + ':' + std::to_string(warning.column) + ": warning: ";
  text += warning.message;
  text += " [-W";
  text += warningName(warning.kind);
  text += ']';
  return text;
}

std::string printable(std::string_view text, std::size_t limit) {
  std::string out;
  std::size_t shown = 0;
  for (const char c : text) {
    if (shown == limit) {
      out += "...";
      break;
    }
    ++shown;
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (byte < 0x20 || byte > 0x7E) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace quillan::checker
