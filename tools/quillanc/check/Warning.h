// What the checker reports: a warning at a 1-based line and column of the
// source text, of one of a few named kinds that can be switched off one by
// one (--Wno-NAME).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillan::checker {

enum class WarningKind : std::uint8_t {
  UnknownCommand,
  UndefinedLabel,
  DuplicateLabel,
  UnpairedBlock,
  UnknownFunction,
  CallParentheses,
  StrayEventLabel,
  UnhandledEvent,
  Assignment,
  Count
};

inline constexpr std::size_t kWarningKindCount = static_cast<std::size_t>(WarningKind::Count);

// The names after -W, in the order of WarningKind.
inline constexpr std::array<std::string_view, kWarningKindCount> kWarningNames = {
    "unknown-command", "undefined-label",   "duplicate-label", "unpaired-block", "unknown-function",
    "call-parens",     "stray-event-label", "unhandled-event", "assignment"};

inline std::string_view warningName(WarningKind kind) { return kWarningNames[static_cast<std::size_t>(kind)]; }

// The kind a -W name stands for, or nothing.
std::optional<WarningKind> warningNamed(std::string_view name);

struct Warning {
  int line = 0;    // 1-based
  int column = 0;  // 1-based byte position in the line
  WarningKind kind = WarningKind::UnknownCommand;
  std::string message;
};

// "file:line:col: warning: message [-Wname]", the form editors and build
// tools already know how to jump to.
std::string formatWarning(std::string_view file, const Warning& warning);

// Script text as it can stand in a message: control characters and bytes
// above 126 as escapes, and at most `limit` characters with "..." after.
std::string printable(std::string_view text, std::size_t limit = 40);

}  // namespace quillan::checker
