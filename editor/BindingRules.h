// The value rules of the bindings that are more than "show the text": yes/no
// pairs, the prerequisite list and the comment-carrying values. Kept apart
// from the widgets so that the rules read (and are tested) on their own.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor/KeyTable.h"

namespace quillan::editor {

bool equalsIgnoringCase(std::string_view a, std::string_view b);

// What a yes/no pair shows. None only for a forced pair whose key is absent.
enum class PairChoice { None, Yes, No };

// The game's files spell yes/no in any capitalisation ("Yes", "YES"), so both
// are read without regard to case; reading "Yes" as No would silently flip
// the setting on the next OK. Any other non-empty word reads as No.
// An empty value is an absent key and shows the pair's default.
PairChoice readPair(std::string_view value, std::string_view defaultValue);
// Only a departure from the default is written, in lower case.
std::optional<std::string> writePair(PairChoice choice, std::string_view defaultValue);

// A forced pair has no default: an absent key selects nothing, and nothing
// selected writes nothing, so an absent key stays absent instead of turning
// into "yes" behind the user's back.
PairChoice readForcedPair(std::string_view value);
std::optional<std::string> writeForcedPair(PairChoice choice);

// "value   ;comment": the text before the first ";" without its trailing
// blanks, and everything after it as it stands. A value without ";" is all
// text and has no comment.
struct CommentedValue {
  std::string text;
  std::string comment;
};
CommentedValue splitComment(std::string_view value);
std::string joinComment(std::string_view text, std::string_view comment);

// The prerequisite value split over the check boxes. Identifiers match
// without regard to case and blanks around the commas: they are section
// names, which the rules file compares so. Pieces that match no box are kept
// as they were and written after the ticked identifiers, so that OK never
// drops a prerequisite the form cannot show as a box.
struct PrerequisiteState {
  std::vector<bool> ticked;         // one per flag, in flag order
  std::vector<std::string> others;  // unmatched pieces, in their order
};
PrerequisiteState readPrerequisites(std::string_view value, std::span<const PrerequisiteFlag> flags);
// The ticked identifiers in flag order, then the others; empty when none.
std::string writePrerequisites(const PrerequisiteState& state, std::span<const PrerequisiteFlag> flags);

}  // namespace quillan::editor
