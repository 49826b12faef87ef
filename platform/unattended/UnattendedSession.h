// Unattended mode: for runs with nobody at the screen (CI, cron, SSH) and
// for our end-to-end tests. Nothing is shown; every box becomes one line on
// standard output, flushed at once, of tab-separated fields:
//
//   box <TAB> icon <TAB> buttons <TAB> caption <TAB> text <TAB> answer
//
// icon is information, exclamation or question; buttons is OK, YESNO,
// OKCANCEL or YESNOCANCEL; answer is the answer as taken. Within a field a
// backslash is written "\\", a tab "\t", a carriage return "\r", a line feed
// "\n". Answers come from the lines of an answer file: a line whose first
// word is OK, YES, NO, CANCEL or TEXT is an answer, any other is a user
// action. Each box takes the next answer; with none left, its default
// button answers.
//
// An input box is a line of its own:
//
//   input <TAB> caption <TAB> prompt <TAB> default <TAB> answer
//
// It takes the next answer too: "TEXT the text" confirms that text (all of
// the line after "TEXT" and one blank), CANCEL cancels, OK confirms the
// default; with none left, or any other answer, the default is confirmed.
// The answer field shows what was taken: "TEXT " and the text, or CANCEL.
//
// The file and folder choosers (FILEDLG, DIRDLG) are lines of their own:
//
//   filedlg <TAB> title <TAB> filter <TAB> answer
//   dirdlg <TAB> title <TAB> answer
//
// They take the next answer too: "TEXT path" chooses that path (all of the
// line after "TEXT" and one blank), CANCEL cancels; with none left, or any
// other answer, nothing is chosen, as when the person cancels. The answer
// field shows "TEXT " and the path, or CANCEL.
#pragma once

#include <cstdio>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api/UserInterface.h"

namespace quillan::unattended {

// "\\", "\t", "\r", "\n" escaped for one field of a transcript line.
std::string escapeField(std::string_view text);

struct AnswerFile {
  std::deque<std::string> answers;  // whole lines, first word upper-cased
  std::deque<std::string> actions;  // lines as written
};

// Reads the answer file; blank lines and lines starting with "#" are
// skipped. False with a message when the file cannot be read.
bool readAnswerFile(const std::string& path, AnswerFile& file, std::string& error);
AnswerFile parseAnswers(std::string_view text);

class UnattendedSession {
 public:
  explicit UnattendedSession(AnswerFile answers, std::FILE* out = stdout, std::FILE* diagnostics = stderr);

  os::BoxAnswer messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon, os::BoxButtons buttons);
  bool inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText, std::string& answer);
  // True when the answer chose a path; path is then that path.
  bool chooseFile(std::string_view title, std::string_view filter, std::string& path);
  bool chooseDirectory(std::string_view title, std::string& path);
  // Writes a line of fields, escaped and tab-separated, and flushes it.
  void writeLine(const std::vector<std::string_view>& fields);

  std::deque<std::string>& actions() { return file_.actions; }
  std::deque<std::string>& answers() { return file_.answers; }

 private:
  // Takes the next answer for a chooser: true with the path for TEXT.
  bool pathAnswer(std::string_view kind, std::string& path);

  AnswerFile file_;
  std::FILE* out_;
  std::FILE* diagnostics_;
};

}  // namespace quillan::unattended
