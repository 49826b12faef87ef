// The interpreter's view of the dialog window. The Qt layer implements it;
// until a script creates a dialog, NoDialog answers for it.
#pragma once

#include <string_view>

namespace quillan::core {

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  virtual bool exists() const = 0;
  // Gives the element of that name the value; false when there is no such
  // element.
  virtual bool setElement(std::string_view name, std::string_view value) = 0;
  // Closes the dialog window, if one is shown.
  virtual void close() = 0;
  // Puts the mouse cursor back to the arrow after a script ends.
  virtual void restoreCursor() = 0;
};

class NoDialog final : public DialogHost {
 public:
  static NoDialog& instance() {
    static NoDialog none;
    return none;
  }
  bool exists() const override { return false; }
  bool setElement(std::string_view, std::string_view) override { return false; }
  void close() override {}
  void restoreCursor() override {}
};

}  // namespace quillan::core
