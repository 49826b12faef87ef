// scriptrun --trace: the lines a run executes, written as "number<TAB>line
// as stored", and "error<TAB>code" after a line that set a run-time error.
// The trace goes through a buffer of its own, pushed out when it fills, at
// the end of the run, and before any box waits for the user, so what is on
// the screen or in the file is never behind what the user sees.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "platform/api/UserInterface.h"
#include "runtime/core/LineTrace.h"

namespace quillan::dialog {

class TraceFile final : public core::LineTrace {
 public:
  // Standard error when path is empty; otherwise the file, created or
  // emptied. Null when the file cannot be opened, with the reason in error.
  static std::unique_ptr<TraceFile> open(const std::string& path, std::string& error);
  ~TraceFile() override;
  TraceFile(const TraceFile&) = delete;
  TraceFile& operator=(const TraceFile&) = delete;

  void line(int number, std::string_view stored) override;
  void error(int code) override;
  void flush() override;

 private:
  TraceFile(std::FILE* file, bool owned);
  void append(std::string_view text);

  std::FILE* file_;
  bool owned_;
  std::string buffer_;
};

// Passes everything to the user interface it wraps, pushing the trace out
// first whenever a box is about to wait for the user.
class TraceFlushingUserInterface final : public os::UserInterface {
 public:
  TraceFlushingUserInterface(os::UserInterface& inner, core::LineTrace& trace) : inner_(inner), trace_(trace) {}

  os::BoxAnswer messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                           os::BoxButtons buttons) override;
  bool inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText,
                std::string& answer) override;
  void beep() override { inner_.beep(); }
  void playSound(std::string_view path, bool wait) override { inner_.playSound(path, wait); }
  void processMessages() override { inner_.processMessages(); }
  void processMessagesIfDue() override { inner_.processMessagesIfDue(); }
  std::string applicationTitle() const override { return inner_.applicationTitle(); }
  void setApplicationTitle(std::string_view title) override { inner_.setApplicationTitle(title); }
  void setApplicationIconFrom(std::string_view path) override { inner_.setApplicationIconFrom(path); }

 private:
  os::UserInterface& inner_;
  core::LineTrace& trace_;
};

}  // namespace quillan::dialog
