#include "runtime/dialog/ElementLists.h"

#include <QComboBox>
#include <QListWidget>

#include "runtime/dialog/ElementKinds.h"
#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
namespace {

QByteArray bytesOf(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

// The selection after the current one, or none after the last.
std::int32_t following(std::int32_t position, std::int32_t count) {
  return position >= 0 && position + 1 < count ? position + 1 : -1;
}

class ListBoxList final : public core::ScriptList {
 public:
  explicit ListBoxList(QListWidget& widget) : w_(widget) {}

  bool internal() const override { return false; }
  std::int32_t count() const override { return w_.count(); }
  std::string item(std::int32_t index) const override {
    const QListWidgetItem* it = w_.item(index);
    return itemBytes(it->text(), it->data(kBytesRole));
  }
  std::int32_t position() const override {
    const QListWidgetItem* it = w_.currentItem();
    return it != nullptr && it->isSelected() ? w_.row(it) : -1;
  }
  void setPosition(std::int32_t position) override {
    if (position >= 0 && position < w_.count()) {
      w_.setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
    } else {
      w_.clearSelection();
      w_.setCurrentRow(-1);
    }
  }
  void advance() override { setPosition(following(position(), count())); }
  void add(std::string_view text) override { insert(w_.count(), text); }
  void insert(std::int32_t index, std::string_view text) override {
    auto* added = new QListWidgetItem(toDisplay(text));
    added->setData(kBytesRole, bytesOf(text));
    w_.insertItem(index, added);
  }
  void replace(std::int32_t index, std::string_view text) override {
    QListWidgetItem* it = w_.item(index);
    it->setData(kBytesRole, bytesOf(text));
    it->setText(toDisplay(text));
  }
  void remove(std::int32_t index) override { delete w_.takeItem(index); }
  void clear() override { w_.clear(); }

 private:
  QListWidget& w_;
};

class ComboBoxList final : public core::ScriptList {
 public:
  ComboBoxList(QComboBox& widget, const bool& sorted) : w_(widget), sorted_(sorted) {}

  bool internal() const override { return false; }
  std::int32_t count() const override { return w_.count(); }
  std::string item(std::int32_t index) const override {
    return itemBytes(w_.itemText(index), w_.itemData(index, kBytesRole));
  }
  std::int32_t position() const override { return w_.currentIndex(); }
  void setPosition(std::int32_t position) override {
    w_.setCurrentIndex(position >= 0 && position < w_.count() ? position : -1);
  }
  void advance() override { setPosition(following(position(), count())); }
  void add(std::string_view text) override {
    int at = w_.count();
    if (sorted_) {
      const QString shown = toDisplay(text);
      at = 0;
      while (at < w_.count() && w_.itemText(at).compare(shown, Qt::CaseInsensitive) <= 0) ++at;
    }
    insertAt(at, text);
  }
  void insert(std::int32_t index, std::string_view text) override {
    if (sorted_) {
      add(text);
    } else {
      insertAt(index, text);
    }
  }
  void replace(std::int32_t index, std::string_view text) override {
    if (sorted_) {
      const bool selected = w_.currentIndex() == index;
      w_.removeItem(index);
      add(text);
      if (selected) w_.setCurrentIndex(w_.findData(bytesOf(text), kBytesRole));
      return;
    }
    w_.setItemText(index, toDisplay(text));
    w_.setItemData(index, bytesOf(text), kBytesRole);
  }
  void remove(std::int32_t index) override { w_.removeItem(index); }
  void clear() override { w_.clear(); }

 private:
  void insertAt(int index, std::string_view text) {
    // Adding changes neither the selection nor what the field shows (Qt
    // selects the first item put into an empty box).
    const QString field = w_.currentText();
    const bool noneSelected = w_.currentIndex() < 0;
    w_.insertItem(index, toDisplay(text), bytesOf(text));
    if (noneSelected) w_.setCurrentIndex(-1);
    if (w_.currentText() != field) w_.setEditText(field);
  }

  QComboBox& w_;
  const bool& sorted_;
};

}  // namespace

std::unique_ptr<core::ScriptList> listBoxList(QListWidget& widget) { return std::make_unique<ListBoxList>(widget); }

std::unique_ptr<core::ScriptList> comboBoxList(QComboBox& widget, const bool& sorted) {
  return std::make_unique<ComboBoxList>(widget, sorted);
}

}  // namespace quillan::dialog
