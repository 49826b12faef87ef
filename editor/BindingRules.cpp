#include "editor/BindingRules.h"

#include <algorithm>

namespace quillan::editor {
namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

PairChoice readPair(std::string_view value, std::string_view defaultValue) {
  if (value.empty()) return defaultValue == kYes ? PairChoice::Yes : PairChoice::No;
  return equalsIgnoringCase(value, kYes) ? PairChoice::Yes : PairChoice::No;
}

std::optional<std::string> writePair(PairChoice choice, std::string_view defaultValue) {
  if (defaultValue == kYes) {
    if (choice == PairChoice::No) return std::string(kNo);
    return std::nullopt;
  }
  if (choice == PairChoice::Yes) return std::string(kYes);
  return std::nullopt;
}

PairChoice readForcedPair(std::string_view value) {
  if (value.empty()) return PairChoice::None;
  return equalsIgnoringCase(value, kYes) ? PairChoice::Yes : PairChoice::No;
}

std::optional<std::string> writeForcedPair(PairChoice choice) {
  switch (choice) {
    case PairChoice::Yes:
      return std::string(kYes);
    case PairChoice::No:
      return std::string(kNo);
    case PairChoice::None:
      break;
  }
  return std::nullopt;
}

CommentedValue splitComment(std::string_view value) {
  const auto semicolon = value.find(';');
  if (semicolon == std::string_view::npos) return {std::string(trimBlanks(value)), {}};
  std::string_view text = value.substr(0, semicolon);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return {std::string(text), std::string(value.substr(semicolon + 1))};
}

std::string joinComment(std::string_view text, std::string_view comment) {
  // Four blanks before the ";" keep the comments in a column, the layout
  // these files are written in.
  std::string out(text);
  out += "    ;";
  out += comment;
  return out;
}

PrerequisiteState readPrerequisites(std::string_view value, std::span<const PrerequisiteFlag> flags) {
  PrerequisiteState state;
  state.ticked.assign(flags.size(), false);
  while (!value.empty()) {
    const auto comma = value.find(',');
    const std::string_view piece = trimBlanks(value.substr(0, comma));
    value = comma == std::string_view::npos ? std::string_view{} : value.substr(comma + 1);
    if (piece.empty()) continue;
    const auto match = std::find_if(flags.begin(), flags.end(),
                                    [&](const PrerequisiteFlag& f) { return equalsIgnoringCase(f.identifier, piece); });
    if (match != flags.end()) {
      state.ticked[static_cast<std::size_t>(match - flags.begin())] = true;
    } else if (std::find(state.others.begin(), state.others.end(), piece) == state.others.end()) {
      state.others.emplace_back(piece);
    }
  }
  return state;
}

std::string writePrerequisites(const PrerequisiteState& state, std::span<const PrerequisiteFlag> flags) {
  std::string out;
  auto append = [&out](std::string_view piece) {
    if (!out.empty()) out += ',';
    out += piece;
  };
  for (std::size_t i = 0; i < flags.size() && i < state.ticked.size(); ++i) {
    if (state.ticked[i]) append(flags[i].identifier);
  }
  for (const auto& other : state.others) append(other);
  return out;
}

}  // namespace quillan::editor
