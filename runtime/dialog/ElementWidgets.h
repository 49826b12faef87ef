// The widgets behind the element kinds that need more than a stock Qt
// widget, and the record the dialog window keeps of each element.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/DialogHost.h"

namespace quillan::dialog {

class TTaskIcon;

// Remembers the bytes behind a text put into a widget. Script text need
// not be UTF-8; as long as nobody has edited the text, reading it gives
// back the very bytes the script set.
class ShownText {
 public:
  QString set(std::string_view bytes);
  std::string read(const QString& current) const;

 private:
  std::string bytes_;
  QString shown_;
};

// A check box that a person toggles between checked and unchecked only:
// the greyed state is the script's to set.
class CheckElement final : public QCheckBox {
  Q_OBJECT
 public:
  using QCheckBox::QCheckBox;
  // 1 checked, 2 greyed, anything else unchecked.
  void setState(int state);

 protected:
  void nextCheckState() override;
};

// A framed group of radio buttons, at most one of them selected.
class RadioElement final : public QGroupBox {
  Q_OBJECT
 public:
  RadioElement(const std::vector<std::string>& items, QWidget* parent);
  // The selected button's text, or empty.
  std::string selectedText() const;
  // Selects the button whose text equals text, ignoring ASCII case; with
  // no such button none is selected. False when none matched.
  bool select(std::string_view text);
  void selectNone();
  QRadioButton* buttonFor(std::string_view text) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void layOut();
  QButtonGroup group_;
  std::vector<QRadioButton*> buttons_;
  std::vector<std::string> items_;
};

// A picture. When clickable, every mouse press is reported with the button
// and the position relative to the picture's corner.
class BitmapElement final : public QLabel {
  Q_OBJECT
 public:
  BitmapElement(bool autoSize, bool stretch, QWidget* parent);
  void showPicture(const QPixmap& picture);
  std::function<void(Qt::MouseButton button, QPoint at)> onPress;

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool autoSize_;
};

struct Element {
  core::ElementKind kind = core::ElementKind::Button;
  std::string name;  // as written; empty: unnamed
  QWidget* widget = nullptr;
  TTaskIcon* icon = nullptr;     // TASKICON
  QLabel* statusText = nullptr;  // STATUS: the one text it shows
  bool autoSize = false;         // TEXT of width 0: sizes itself to its caption
  bool sorted = false;           // COMBO: typed texts join the items in order
  ShownText text;                // EDIT and COMBO text
  // LIST and COMBO as a list of the LIST command; made when first asked for.
  std::unique_ptr<core::ScriptList> list;
};

}  // namespace quillan::dialog
