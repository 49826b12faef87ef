// The forms worked from the keyboard: Enter and Escape, the buttons'
// mnemonics, the Tab chain, and where the focus is after an error.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <algorithm>

#include "EditorFixture.h"
#include "editor/FormBinder.h"

namespace quillan::editor::test {
namespace {

const std::string kRules = crlf({"[E1]", "Cost=100", "[2TNK]", "Cost=800", "[90mm]", "Damage=30"});

// One entry of each form and object kind.
constexpr const char* kSections[] = {"E1", "2TNK", "WEAP", "90mm", "Cannon", "Easy", "MultiplayerDefaults", "IQ"};

class Keyboard : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    openRules(kRules);
  }
  SectionForm& showActive(std::string_view section) {
    SectionForm& form = show(section);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    return form;
  }
  // The first field on the form that the user can type into.
  static QWidget* firstField(SectionForm& form) {
    for (QWidget* w : form.findChildren<QWidget*>()) {
      if ((qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget())) ||
          qobject_cast<QComboBox*>(w)) {
        if (w->isEnabled()) return w;
      }
    }
    return nullptr;
  }
};

TEST_F(Keyboard, EnterIsOkAndEscapeIsCancelInEveryForm) {
  struct Case {
    Qt::Key key;
    const char* focused;  // a button, "drop-down", or nullptr for the first field
    bool written;
  };
  const Case cases[] = {
      {Qt::Key_Escape, nullptr, false},
      {Qt::Key_Return, nullptr, true},
      {Qt::Key_Enter, nullptr, true},
      {Qt::Key_Return, "drop-down", true},
      {Qt::Key_Escape, "drop-down", false},
      // On a focused button, Enter presses that button.
      {Qt::Key_Return, "Cancel", false},
      {Qt::Key_Return, "OK", true},
  };
  for (const char* section : kSections) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(section) + " key " + std::to_string(c.key) + " on " +
                   (c.focused ? c.focused : "a field"));
      // Start each case unmodified.
      prompts_.confirmAnswers = {UserPrompts::Answer::No};
      window_->findChild<QAction*>("FileClose")->trigger();
      openRules(kRules);
      SectionForm& form = showActive(section);
      QWidget* target = c.focused ? form.findChild<QWidget*>(c.focused) : firstField(form);
      if (c.focused && std::string_view(c.focused) == "drop-down") {
        const auto combos = form.findChildren<QComboBox*>();
        const auto enabled =
            std::find_if(combos.begin(), combos.end(), [](const QComboBox* b) { return b->isEnabled(); });
        if (enabled == combos.end()) {
          click(form, "Cancel");
          continue;  // this form has none
        }
        target = *enabled;
      }
      ASSERT_NE(target, nullptr);
      target->setFocus();
      QTest::keyClick(target, c.key);
      EXPECT_FALSE(form.isVisible());
      EXPECT_TRUE(window_->isEnabled());
      EXPECT_EQ(window_->isModified(), c.written);
      if (!form.isVisible()) continue;
      click(form, "Cancel");
    }
  }
}

// Alt and a letter presses a button or opens a menu; two of them on one
// letter would leave one out of reach. (The offscreen platform delivers no
// mnemonics, so the letters are checked, not pressed.)
TEST_F(Keyboard, ButtonsAndMenusHaveMnemonicsOfTheirOwn) {
  const auto letters = [](const QStringList& texts) {
    QStringList out;
    for (const QString& text : texts) out << QKeySequence::mnemonic(text).toString();
    return out;
  };
  for (const char* section : kSections) {
    SCOPED_TRACE(section);
    SectionForm& form = show(section);
    QStringList buttons;
    QStringList others;
    for (const QAbstractButton* b : form.findChildren<QAbstractButton*>()) {
      (qobject_cast<const QPushButton*>(b) ? buttons : others) << b->text();
    }
    EXPECT_EQ(letters(buttons), QStringList({"Alt+O", "Alt+C", "Alt+R"}));
    for (const QString& taken : letters(others)) {
      if (!taken.isEmpty()) {
        EXPECT_FALSE(letters(buttons).contains(taken)) << taken.toStdString();
      }
    }
    click(form, "Cancel");
  }
  QStringList menus;
  for (const QAction* menu : window_->menuBar()->actions()) menus << menu->text();
  const QStringList taken = letters(menus);
  EXPECT_FALSE(taken.contains(QString())) << menus.join(' ').toStdString();
  EXPECT_EQ(QSet<QString>(taken.begin(), taken.end()).size(), taken.size());
}

// Tab from Reset, the last stop, must come round to it again having visited
// every control the user can work once each, down each column of the form
// and then the next column, and then OK and Cancel.
TEST_F(Keyboard, TabVisitsEveryControlOnceInReadingOrder) {
  for (const char* section : kSections) {
    SCOPED_TRACE(section);
    SectionForm& form = showActive(section);
    std::vector<QWidget*> expected;
    for (QWidget* w : form.findChildren<QWidget*>()) {
      if (w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()) {
        expected.push_back(w);
      }
    }
    QWidget* last = form.findChild<QWidget*>("Reset");
    last->setFocus();
    std::vector<QWidget*> visited;
    for (std::size_t i = 0; i <= expected.size(); ++i) {
      QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
      visited.push_back(form.focusWidget());
      if (form.focusWidget() == last) break;
    }
    const auto names = [](const std::vector<QWidget*>& widgets) {
      QStringList out;
      for (const QWidget* w : widgets) {
        out << (w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName());
      }
      out.sort();
      return out;
    };
    EXPECT_EQ(names(visited), names(expected)) << "a control visited twice or left out";

    ASSERT_GE(visited.size(), 3u);
    const auto tail = visited.end() - 3;
    EXPECT_EQ(tail[0]->objectName(), "OK");
    EXPECT_EQ(tail[1]->objectName(), "Cancel");
    EXPECT_EQ(tail[2]->objectName(), "Reset");
    // Reading order: each control stands below the one before it, or in a
    // column further right.
    for (auto it = visited.begin() + 1; it != tail; ++it) {
      const QPoint before = (*(it - 1))->mapTo(&form, QPoint(0, 0));
      const QPoint here = (*it)->mapTo(&form, QPoint(0, 0));
      EXPECT_TRUE(here.y() > before.y() || here.x() > before.x())
          << (*it)->objectName().toStdString() << " after " << (*(it - 1))->objectName().toStdString();
    }
    click(form, "Cancel");
  }
}

TEST_F(Keyboard, AfterAnErrorTheFormHasTheFocus) {
  SectionForm& form = showActive("90mm");
  setFieldText(form, "Damage", "45");
  // The working copy is now a directory: OK cannot write it.
  ASSERT_TRUE(QFile::remove(workingCopyPath()));
  ASSERT_TRUE(QDir().mkpath(workingCopyPath()));
  QWidget* ok = form.findChild<QWidget*>("OK");
  ok->setFocus();
  window_->activateWindow();  // as the error box would have taken it
  QTest::keyClick(ok, Qt::Key_Return);
  ASSERT_EQ(prompts_.errors.size(), 1);
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(QApplication::focusWidget(), ok);
  click(form, "Cancel");
}

}  // namespace
}  // namespace quillan::editor::test
