// Reading arguments out of the working line. Both readers share one scan:
// double quotes hide everything up to the next quote, and "%" references
// and "@" calls are replaced by their values as the argument's text is
// built. The read position moves over the line's own text only, so a value
// is never scanned again (its commas, quotes, "%" and "@" are plain text)
// and a line is read in one pass however many values it takes in.
#pragma once

#include <string>
#include <string_view>

#include "runtime/core/Runtime.h"

namespace quillan::core {

// Command arguments: the next comma-separated field from the read position.
std::string nextField(Runtime& rt);
// As nextField; an empty field sets run-time error 2.
std::string requiredField(Runtime& rt);
// As nextField; an empty field gives fallback.
std::string fieldOr(Runtime& rt, std::string_view fallback);

// The same into a text the caller holds (emptied first), so that the
// readers on the hot paths make no text of their own.
void readField(Runtime& rt, std::string& field);

// Function arguments: the next argument of the call whose "(" or previous
// terminator the read position stands on. The position is left on the
// terminator ("," or ")"), which the next read steps over.
std::string nextArgument(Runtime& rt);
// As nextArgument; an empty argument sets run-time error 11.
std::string requiredArgument(Runtime& rt);
std::string argumentOr(Runtime& rt, std::string_view fallback);
// As nextArgument, into a text the caller holds (emptied first).
void readArgument(Runtime& rt, std::string& argument);
// As nextArgument, without a copy where none is needed: an argument of
// plain text is a view of the working line, and one that is a single "%"
// reference and nothing else a view of the variable. Anything else is read
// into buffer, and the view is of buffer. Function handlers read their
// arguments this way: neither the line nor a variable changes while a
// function runs.
std::string_view argumentView(Runtime& rt, std::string& buffer);
// The same with the buffer taken from the pool only when it is needed.
std::string_view argumentView(Runtime& rt, LazyScratchText& buffer);

// The "%" reference at the read position: appends its value to out (the
// text of the argument being read) and leaves the position on the
// reference's letter. A "%" that is not followed by 0-9 or a letter is
// appended as it is.
void expandVariable(Runtime& rt, std::string& out);

// The value of a variable reference letter ('0'-'9', 'A'-'Z', any case), or
// null for any other character.
const std::string* variableFor(const Runtime& rt, char letter);

}  // namespace quillan::core
