// Reading the element descriptions of DIALOG CREATE. A description is
// KIND(parameters): the kind is looked up in the packed kind table, the
// parameters are split at ";" and read as the kind's row of
// core::kElementKindRows says, and the host is handed a finished
// ElementSpec. The builder keeps the per-dialog
// state that only matters while the dialog is built: the style table, the
// focus element, the default button and the current click cursor.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/DialogHost.h"
#include "runtime/core/Runtime.h"

namespace quillan::commands {

// A letter or "_", then letters, digits and "_": the names elements can have.
bool isIdentifier(std::string_view name);

// The parameter list of one description, taken from the left.
class ParameterList {
 public:
  explicit ParameterList(std::string text, char separator = ';') : rest_(std::move(text)), separator_(separator) {}

  // The text before the next separator (all of the rest when there is
  // none), removed with its separator; empty once the list is used up.
  std::string take();
  // The next field as a number in integer syntax; fallback when it is
  // empty or not a number.
  std::int32_t integer(std::int32_t fallback);
  bool usedUp() const { return rest_.empty(); }

  // How much of the list is kept after each field is taken.
  static constexpr std::size_t kKeptLength = 1024;

 private:
  std::string rest_;
  char separator_;
};

class DialogBuilder {
 public:
  explicit DialogBuilder(core::Runtime& rt) : rt_(rt), host_(*rt.dialog) {}

  // Creates the element one description asks for; failures set the run-time
  // error of rt.
  void build(std::string_view description);

  const std::vector<core::TextStyle>& styles() const { return styles_; }

 private:
  // Element kinds that sit on the window.
  void placed(const core::ElementKindRow& kind, ParameterList& list);
  void bitmapOptions(core::ElementSpec& spec, ParameterList& list);
  void status(ParameterList& list);
  void taskIcon(ParameterList& list);
  void style(ParameterList& list);
  void dialogType(ParameterList& list);
  void popup(std::string_view parameters);

  // Name, top, left, width, height.
  void place(core::ElementSpec& spec, ParameterList& list, int width, int height);
  // A style field: a style name, or (when keyword is not empty) a keyword
  // that sets flag. Anything else is run-time error 16.
  void styleField(core::ElementSpec& spec, const std::string& word, std::string_view keyword = {},
                  bool* flag = nullptr);
  void options(core::ElementSpec& spec, ParameterList& list, std::string_view keyword, bool* flag);
  const core::TextStyle* findStyle(std::string_view name) const;
  void create(core::ElementSpec& spec);

  core::Runtime& rt_;
  core::DialogHost& host_;
  std::vector<core::TextStyle> styles_;
  bool focusTaken_ = false;
  bool defaultButtonTaken_ = false;
  core::ClickCursor clickCursor_ = core::ClickCursor::Default;
};

}  // namespace quillan::commands
