#include "EditorFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "editor/Catalogue.h"
#include "editor/FormBinder.h"
#include "platform/ini/IniDocument.h"

namespace quillan::editor::test {

std::string readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

void writeFile(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string sectionText(const QString& path, std::string_view section) {
  const auto doc = ini::IniDocument::parse(readFile(path));
  std::string out;
  for (const std::string& line : doc.sectionLines(section)) {
    if (!out.empty()) out += '\n';
    out += line;
  }
  return out;
}

std::string crlf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (std::string_view line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

void EditorFixture::SetUp() {
  ASSERT_TRUE(dir_.isValid());
  window_ = std::make_unique<TMainForm>(prompts_, dir_.path());
  window_->show();
}

void EditorFixture::TearDown() { window_.reset(); }

void EditorFixture::openRules(const std::string& bytes) {
  writeFile(rulesPath(), bytes);
  ASSERT_TRUE(window_->openFile(rulesPath())) << prompts_.errors.join("; ").toStdString();
}

SectionForm& EditorFixture::show(std::string_view section) {
  const auto entries = catalogueEntries();
  const auto row =
      std::find_if(entries.begin(), entries.end(), [&](const CatalogueRow& r) { return r.section == section; });
  EXPECT_NE(row, entries.end()) << section;
  window_->chooseEntry(*row);
  return window_->form(row->form);
}

namespace {

template <typename T>
T* named(QWidget& form, const QString& name) {
  T* widget = form.findChild<T*>(name);
  EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
  return widget;
}

QString keyName(std::string_view key) { return tableText(key); }

}  // namespace

QString fieldText(QWidget& form, std::string_view key) {
  if (auto* combo = form.findChild<QComboBox*>(keyName(key))) return combo->currentText();
  auto* edit = named<QLineEdit>(form, keyName(key));
  return edit ? edit->text() : QString();
}

void setFieldText(QWidget& form, std::string_view key, const QString& text) {
  if (auto* combo = form.findChild<QComboBox*>(keyName(key))) {
    combo->setEditText(text);
    return;
  }
  if (auto* edit = named<QLineEdit>(form, keyName(key))) edit->setText(text);
}

std::string pairShown(QWidget& form, std::string_view key) {
  auto* yes = named<QRadioButton>(form, yesButtonName(key));
  auto* no = named<QRadioButton>(form, noButtonName(key));
  if (!yes || !no) return "?";
  if (yes->isChecked()) return "yes";
  if (no->isChecked()) return "no";
  return "";
}

void choosePair(QWidget& form, std::string_view key, bool yes) {
  auto* button = named<QRadioButton>(form, yes ? yesButtonName(key) : noButtonName(key));
  if (button) button->click();
}

bool isEditable(QWidget& form, std::string_view key) {
  auto* control = named<QWidget>(form, keyName(key));
  return control && control->isEnabled();
}

void tickPrerequisite(QWidget& form, std::string_view identifier, bool ticked) {
  if (auto* box = named<QCheckBox>(form, prerequisiteBoxName(identifier))) box->setChecked(ticked);
}

bool prerequisiteTicked(QWidget& form, std::string_view identifier) {
  auto* box = named<QCheckBox>(form, prerequisiteBoxName(identifier));
  return box && box->isChecked();
}

void click(QWidget& form, const char* button) {
  if (auto* push = named<QPushButton>(form, button)) push->click();
}

std::map<QString, QString> shownState(QWidget& form) {
  std::map<QString, QString> state;
  auto record = [&](QWidget* w, const QString& value) {
    if (w->objectName().isEmpty()) return;
    state[w->objectName()] = value + " |tip:" + w->toolTip() + (w->isEnabled() ? " |on" : " |off");
  };
  for (auto* w : form.findChildren<QComboBox*>()) record(w, w->currentText());
  for (auto* w : form.findChildren<QLineEdit*>()) record(w, w->text());
  for (auto* w : form.findChildren<QAbstractButton*>()) {
    if (w->isCheckable()) record(w, w->isChecked() ? "checked" : "clear");
  }
  for (auto* w : form.findChildren<QGroupBox*>()) record(w, w->title());
  for (auto* w : form.findChildren<QLabel*>()) record(w, w->text() + (w->isVisible() ? "" : " hidden"));
  return state;
}

}  // namespace quillan::editor::test
