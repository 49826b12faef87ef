// Every modal question and message the editor puts to the user goes through
// this interface, so that tests answer them from a script instead of
// blocking on a dialog.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace quillan::editor {

class UserPrompts {
 public:
  enum class Answer { Yes, No, Cancel };

  virtual ~UserPrompts() = default;

  // The rules file to open: an existing file, or nothing when cancelled.
  virtual std::optional<QString> chooseFileToOpen(QWidget* parent) = 0;
  // The path to save a copy to, or nothing when cancelled.
  virtual std::optional<QString> chooseFileToSave(QWidget* parent) = 0;
  // A Yes/No/Cancel confirmation titled "Confirm".
  virtual Answer confirm(QWidget* parent, const QString& question) = 0;
  // An error message with an OK button; `detail` says why, when known.
  virtual void showError(QWidget* parent, const QString& message, const QString& detail) = 0;
};

// The name the open dialog proposes in `directory`: the rules file that is
// there, whatever the case of its name ("rules.ini" for "Rules.ini"), or
// "Rules.ini" when there is none.
QString proposedRulesFileName(const QString& directory);

// The real dialogs.
class DialogPrompts : public UserPrompts {
 public:
  std::optional<QString> chooseFileToOpen(QWidget* parent) override;
  std::optional<QString> chooseFileToSave(QWidget* parent) override;
  Answer confirm(QWidget* parent, const QString& question) override;
  void showError(QWidget* parent, const QString& message, const QString& detail) override;
};

}  // namespace quillan::editor
