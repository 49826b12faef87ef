#include "platform/unattended/UnattendedSession.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace quillan::unattended {
namespace {

std::string_view iconName(os::BoxIcon icon) {
  switch (icon) {
    case os::BoxIcon::Information:
      return "information";
    case os::BoxIcon::Exclamation:
      return "exclamation";
    case os::BoxIcon::Question:
      return "question";
  }
  return "information";
}

std::string_view buttonsName(os::BoxButtons buttons) {
  switch (buttons) {
    case os::BoxButtons::Ok:
      return "OK";
    case os::BoxButtons::YesNo:
      return "YESNO";
    case os::BoxButtons::OkCancel:
      return "OKCANCEL";
    case os::BoxButtons::YesNoCancel:
      return "YESNOCANCEL";
  }
  return "OK";
}

std::string_view answerName(os::BoxAnswer answer) {
  switch (answer) {
    case os::BoxAnswer::Ok:
      return "OK";
    case os::BoxAnswer::Yes:
      return "YES";
    case os::BoxAnswer::No:
      return "NO";
    case os::BoxAnswer::Cancel:
      return "CANCEL";
  }
  return "OK";
}

// The first button of each set is its default, as on the desktop.
os::BoxAnswer defaultAnswer(os::BoxButtons buttons) {
  return buttons == os::BoxButtons::YesNo || buttons == os::BoxButtons::YesNoCancel ? os::BoxAnswer::Yes
                                                                                    : os::BoxAnswer::Ok;
}

bool offers(os::BoxButtons buttons, os::BoxAnswer answer) {
  switch (buttons) {
    case os::BoxButtons::Ok:
      return answer == os::BoxAnswer::Ok;
    case os::BoxButtons::YesNo:
      return answer == os::BoxAnswer::Yes || answer == os::BoxAnswer::No;
    case os::BoxButtons::OkCancel:
      return answer == os::BoxAnswer::Ok || answer == os::BoxAnswer::Cancel;
    case os::BoxButtons::YesNoCancel:
      return answer != os::BoxAnswer::Ok;
  }
  return false;
}

std::string firstWord(std::string_view line) {
  const std::size_t end = line.find_first_of(" \t");
  std::string word(line.substr(0, end));
  for (char& c : word) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return word;
}

bool isAnswerWord(std::string_view word) {
  return word == "OK" || word == "YES" || word == "NO" || word == "CANCEL" || word == "TEXT";
}

}  // namespace

std::string escapeField(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

AnswerFile parseAnswers(std::string_view text) {
  AnswerFile file;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = end + 1;
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;
    line.remove_prefix(first);
    if (isAnswerWord(firstWord(line))) {
      file.answers.emplace_back(line);
    } else {
      file.actions.emplace_back(line);
    }
  }
  return file;
}

bool readAnswerFile(const std::string& path, AnswerFile& file, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read the answer file " + path + ": " + std::strerror(errno);
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  file = parseAnswers(text.str());
  return true;
}

UnattendedSession::UnattendedSession(AnswerFile answers, std::FILE* out, std::FILE* diagnostics)
    : file_(std::move(answers)), out_(out), diagnostics_(diagnostics) {}

void UnattendedSession::writeLine(const std::vector<std::string_view>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line.push_back('\t');
    line += escapeField(fields[i]);
  }
  line.push_back('\n');
  std::fwrite(line.data(), 1, line.size(), out_);
  std::fflush(out_);
}

os::BoxAnswer UnattendedSession::messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                                            os::BoxButtons buttons) {
  os::BoxAnswer answer = defaultAnswer(buttons);
  if (!file_.answers.empty()) {
    const std::string given = file_.answers.front();
    file_.answers.pop_front();
    const std::string word = firstWord(given);
    const os::BoxAnswer wanted = word == "YES"      ? os::BoxAnswer::Yes
                                 : word == "NO"     ? os::BoxAnswer::No
                                 : word == "CANCEL" ? os::BoxAnswer::Cancel
                                                    : os::BoxAnswer::Ok;
    if (word != "TEXT" && offers(buttons, wanted)) {
      answer = wanted;
    } else {
      std::fprintf(diagnostics_, "scriptrun: the answer \"%s\" does not fit a %s box; its default answers\n",
                   given.c_str(), std::string(buttonsName(buttons)).c_str());
    }
  }
  writeLine({"box", iconName(icon), buttonsName(buttons), caption, text, answerName(answer)});
  return answer;
}

bool UnattendedSession::inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText,
                                 std::string& answer) {
  bool confirmed = true;
  std::string text(defaultText);
  if (!file_.answers.empty()) {
    const std::string given = file_.answers.front();
    file_.answers.pop_front();
    const std::string word = firstWord(given);
    if (word == "TEXT") {
      text = given.size() > 4 ? given.substr(5) : std::string();
    } else if (word == "CANCEL") {
      confirmed = false;
    } else if (word != "OK") {
      std::fprintf(diagnostics_, "scriptrun: the answer \"%s\" does not fit an input box; its default answers\n",
                   given.c_str());
    }
  }
  const std::string taken = confirmed ? "TEXT " + text : std::string("CANCEL");
  writeLine({"input", caption, prompt, defaultText, taken});
  if (confirmed) answer = text;
  return confirmed;
}

}  // namespace quillan::unattended

namespace quillan::unattended {

bool UnattendedSession::pathAnswer(std::string_view kind, std::string& path) {
  if (file_.answers.empty()) return false;
  const std::string given = file_.answers.front();
  file_.answers.pop_front();
  const std::string word = firstWord(given);
  if (word == "TEXT") {
    path = given.size() > 4 ? given.substr(5) : std::string();
    return true;
  }
  if (word != "CANCEL")
    std::fprintf(diagnostics_, "scriptrun: the answer \"%s\" does not fit a %s; nothing is chosen\n", given.c_str(),
                 std::string(kind).c_str());
  return false;
}

bool UnattendedSession::chooseFile(std::string_view title, std::string_view filter, std::string& path) {
  std::string chosen;
  const bool confirmed = pathAnswer("file chooser", chosen);
  const std::string taken = confirmed ? "TEXT " + chosen : std::string("CANCEL");
  writeLine({"filedlg", title, filter, taken});
  if (confirmed) path = chosen;
  return confirmed;
}

bool UnattendedSession::chooseDirectory(std::string_view title, std::string& path) {
  std::string chosen;
  const bool confirmed = pathAnswer("folder chooser", chosen);
  const std::string taken = confirmed ? "TEXT " + chosen : std::string("CANCEL");
  writeLine({"dirdlg", title, taken});
  if (confirmed) path = chosen;
  return confirmed;
}

}  // namespace quillan::unattended
