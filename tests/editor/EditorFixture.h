// A main window on a rules file of the test's own, in a directory of its
// own, with every dialog answered from a script; and helpers that work the
// forms' controls by object name, as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "editor/SectionForm.h"
#include "editor/TMainForm.h"
#include "editor/UserPrompts.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace quillan::editor::test {

class ScriptedPrompts : public UserPrompts {
 public:
  std::optional<QString> openAnswer;
  std::optional<QString> saveAnswer;
  std::deque<Answer> confirmAnswers;  // Cancel when it runs dry
  QStringList questions;
  QStringList errors;

  std::optional<QString> chooseFileToOpen(QWidget*) override { return openAnswer; }
  std::optional<QString> chooseFileToSave(QWidget*) override { return saveAnswer; }
  Answer confirm(QWidget*, const QString& question) override {
    questions << question;
    if (confirmAnswers.empty()) return Answer::Cancel;
    const Answer answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
  }
  void showError(QWidget*, const QString& message, const QString&) override { errors << message; }
};

std::string readFile(const QString& path);
void writeFile(const QString& path, const std::string& bytes);
// The section's lines (keys and other non-comment lines) joined by "\n";
// empty when the file has no such section.
std::string sectionText(const QString& path, std::string_view section);
// Joins lines with CRLF and ends with one, as rules files are written.
std::string crlf(std::initializer_list<std::string_view> lines);

class EditorFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes rules.ini into the test's directory and opens it.
  void openRules(const std::string& bytes);
  // Opens the catalogue entry of the section and returns its form.
  SectionForm& show(std::string_view section);
  QString rulesPath() const { return dir_.filePath("rules.ini"); }
  QString workingCopyPath() const { return window_->workingCopyPath(); }
  std::string workingSection(std::string_view section) const { return sectionText(workingCopyPath(), section); }

  QTemporaryDir dir_;
  ScriptedPrompts prompts_;
  std::unique_ptr<TMainForm> window_;
};

// Control access by key. Fields are edit boxes or editable drop-downs.
QString fieldText(QWidget& form, std::string_view key);
void setFieldText(QWidget& form, std::string_view key, const QString& text);
// "yes", "no" or "" (nothing selected) as the pair shows it.
std::string pairShown(QWidget& form, std::string_view key);
void choosePair(QWidget& form, std::string_view key, bool yes);
bool isEditable(QWidget& form, std::string_view key);
void tickPrerequisite(QWidget& form, std::string_view identifier, bool ticked);
bool prerequisiteTicked(QWidget& form, std::string_view identifier);
void click(QWidget& form, const char* button);

// Everything a form shows: text, choice, tick, tooltip and editability of
// each named control, for comparing two showings.
std::map<QString, QString> shownState(QWidget& form);

}  // namespace quillan::editor::test
