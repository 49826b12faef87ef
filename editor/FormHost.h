// What an editor form needs of the window that shows it: which section and
// object kind to edit, the working copy to read and write, and a way to keep
// the menus out of reach while the form is in use.
#pragma once

#include <string>

#include "editor/TextEncoding.h"

namespace quillan::ini {
class ProfileFile;
}

namespace quillan::editor {

class UserPrompts;

class FormHost {
 public:
  virtual ~FormHost() = default;

  virtual std::string currentSection() const = 0;
  virtual int objectKind() const = 0;
  // How the working copy's text reads and writes.
  virtual TextEncoding textEncoding() const = 0;
  // The working copy; null while no rules file is open.
  virtual ini::ProfileFile* workingCopy() = 0;
  virtual void setModified() = 0;
  // Disabled while a form is shown, so no menu command runs meanwhile.
  virtual void setHostEnabled(bool enabled) = 0;
  virtual void focusHost() = 0;
  virtual UserPrompts& prompts() = 0;
};

}  // namespace quillan::editor
