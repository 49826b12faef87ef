// How lists become text and text becomes lists: the lines of a file, the
// lines written by SAVEFILE, and the clipboard's text for COPY and PASTE.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/ScriptList.h"

namespace quillan::commands {

// The lines of a file: each ends at a carriage return, a line feed, or the
// two together; a last line without a break counts, a final break adds no
// empty line.
std::vector<std::string_view> fileLines(std::string_view text);

// The clipboard's text as PASTE splits it: each item runs up to the next
// carriage return, and a line feed right after that return is dropped with
// it. A line feed alone does not split, a final break adds no empty item,
// and an empty text is one empty item.
std::vector<std::string_view> pastedItems(std::string_view text);

// The items each followed by a carriage return and a line feed.
std::string savedText(const core::ScriptList& list);
// The items joined with a carriage return and a line feed, none after the
// last.
std::string copiedText(const core::ScriptList& list);

}  // namespace quillan::commands
