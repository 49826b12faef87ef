// A line diff of an expected and an actual text, for failure messages.
#pragma once

#include <string>

namespace quillan::manual {

// Lines only in expected start with "-", lines only in actual with "+",
// common lines with " ". Tabs are shown as "\t" so they can be told from
// spaces; a missing final newline is called out.
std::string lineDiff(const std::string& expected, const std::string& actual);

}  // namespace quillan::manual
