// Reads a manual page (Markdown) for the two things the manual's tests need:
// its runnable examples with their answers and transcripts, and the names
// its level-3 headings document.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace quillan::manual {

// A fenced block of info string "qs run", the optional "answers" block and
// the "transcript" block that follow it. Block texts keep every line's
// newline, so an empty block is "" and a one-line block ends in '\n'.
struct Example {
  int line = 0;  // the line of the opening fence of the script block
  std::string script;
  bool hasAnswers = false;
  std::string answers;
  std::string transcript;
  int exitStatus = 0;
};

// A mistake in the page's layout of examples: where, and what.
struct LayoutError {
  int line = 0;
  std::string message;
};

struct Page {
  std::vector<Example> examples;
  std::vector<LayoutError> errors;
  // The backticked words of the level-3 headings: "LIST" for a command,
  // "@COUNT" for a function, upper-cased.
  std::set<std::string> headingNames;
};

Page parsePage(const std::string& markdown);

}  // namespace quillan::manual
