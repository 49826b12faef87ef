// Where a traced run writes the lines it runs: each line as it is about to
// run, and the error a line set once it has run. The interpreter asks for
// no more than this, so it stays free of files; the program supplies the
// writer.
#pragma once

#include <string_view>

namespace quillan::core {

class LineTrace {
 public:
  virtual ~LineTrace() = default;
  // number is the line's number in the script source (the first is 1).
  virtual void line(int number, std::string_view stored) = 0;
  virtual void error(int code) = 0;
  // Pushes out what is buffered; called before a box waits for the user.
  virtual void flush() = 0;
};

}  // namespace quillan::core
