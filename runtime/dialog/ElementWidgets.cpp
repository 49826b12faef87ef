#include "runtime/dialog/ElementWidgets.h"

#include <QMouseEvent>

#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
namespace {

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

}  // namespace

QString ShownText::set(std::string_view bytes) {
  bytes_.assign(bytes);
  shown_ = toDisplay(bytes);
  return shown_;
}

std::string ShownText::read(const QString& current) const { return current == shown_ ? bytes_ : fromDisplay(current); }

void CheckElement::setState(int state) {
  if (state == 2) {
    setCheckState(Qt::PartiallyChecked);
  } else {
    setTristate(false);
    setCheckState(state == 1 ? Qt::Checked : Qt::Unchecked);
  }
}

void CheckElement::nextCheckState() {
  const bool check = checkState() != Qt::Checked;
  setTristate(false);
  setCheckState(check ? Qt::Checked : Qt::Unchecked);
}

RadioElement::RadioElement(const std::vector<std::string>& items, QWidget* parent) : QGroupBox(parent), items_(items) {
  for (const auto& item : items_) {
    auto* button = new QRadioButton(toDisplay(item), this);
    group_.addButton(button);
    buttons_.push_back(button);
  }
  group_.setExclusive(true);
}

void RadioElement::layOut() {
  // The buttons share the room inside the frame evenly, one row each.
  const int count = static_cast<int>(buttons_.size());
  if (count == 0) return;
  const QRect inside = contentsRect();
  const int row = inside.height() / count;
  for (int i = 0; i < count; ++i) {
    QRadioButton* button = buttons_[static_cast<std::size_t>(i)];
    const int hint = button->sizeHint().height();
    button->setGeometry(inside.left() + 4, inside.top() + i * row + (row - hint) / 2, std::max(0, inside.width() - 8),
                        hint);
  }
}

void RadioElement::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  layOut();
}

std::string RadioElement::selectedText() const {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->isChecked()) return items_[i];
  return {};
}

QRadioButton* RadioElement::buttonFor(std::string_view text) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (equalIgnoringAsciiCase(items_[i], text)) return buttons_[i];
  return nullptr;
}

bool RadioElement::select(std::string_view text) {
  QRadioButton* button = buttonFor(text);
  if (button == nullptr) {
    selectNone();
    return false;
  }
  button->setChecked(true);
  return true;
}

void RadioElement::selectNone() {
  // An exclusive group keeps one button checked; lift the rule to clear it.
  group_.setExclusive(false);
  for (auto* button : buttons_) button->setChecked(false);
  group_.setExclusive(true);
}

BitmapElement::BitmapElement(bool autoSize, bool stretch, QWidget* parent) : QLabel(parent), autoSize_(autoSize) {
  setScaledContents(stretch);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void BitmapElement::showPicture(const QPixmap& picture) {
  setPixmap(picture);
  if (autoSize_) resize(picture.size());
  show();
}

void BitmapElement::mousePressEvent(QMouseEvent* event) {
  if (onPress) {
    onPress(event->button(), event->position().toPoint());
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

}  // namespace quillan::dialog
