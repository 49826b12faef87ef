// The File commands, the close sequence, program exit and the lock that
// keeps two editors in one directory off each other's working copy.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "EditorFixture.h"

namespace quillan::editor::test {
namespace {

using Answer = UserPrompts::Answer;

const std::string kRules = crlf({"[E1]", "Cost=100", "[2TNK]", "Cost=800"});

class MainWindow : public EditorFixture {
 protected:
  void trigger(const char* name) {
    auto* action = window_->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
  }
  // Opens the rules file and changes E1's cost through its form.
  void openAndModify() {
    openRules(kRules);
    SectionForm& form = show("E1");
    setFieldText(form, "Cost", "150");
    click(form, "OK");
    ASSERT_TRUE(window_->isModified());
  }
  bool objectMenusEnabled() {
    return window_->findChild<QMenu*>("UnitsMenu")->menuAction()->isEnabled() &&
           window_->findChild<QAction*>("FileSave")->isEnabled();
  }
};

TEST_F(MainWindow, OpenCopiesTheFileAndEnablesTheMenus) {
  writeFile(rulesPath(), kRules);
  trigger("FileOpen");  // cancelled: nothing happens
  EXPECT_FALSE(window_->isFileOpen());
  EXPECT_FALSE(objectMenusEnabled());

  prompts_.openAnswer = rulesPath();
  trigger("FileOpen");
  EXPECT_TRUE(window_->isFileOpen());
  EXPECT_TRUE(objectMenusEnabled());
  EXPECT_EQ(readFile(workingCopyPath()), kRules);
  EXPECT_EQ(QFileInfo(workingCopyPath()).dir(), QDir(dir_.path()));
}

TEST_F(MainWindow, ClosePromptAnswers) {
  struct Case {
    Answer answer;
    bool staysOpen;
    bool rulesFileSaved;
  };
  const Case cases[] = {
      {Answer::Cancel, true, false},
      {Answer::No, false, false},
      {Answer::Yes, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    prompts_.questions.clear();
    openAndModify();
    prompts_.confirmAnswers = {c.answer};
    trigger("FileClose");
    ASSERT_EQ(prompts_.questions.size(), 1);
    EXPECT_EQ(prompts_.questions.front(), "Save changes to " + rulesPath() + " ?");
    EXPECT_EQ(window_->isFileOpen(), c.staysOpen);
    EXPECT_EQ(window_->isModified(), c.staysOpen);
    EXPECT_EQ(objectMenusEnabled(), c.staysOpen);
    EXPECT_EQ(sectionText(rulesPath(), "E1") == "Image=\nCost=150", c.rulesFileSaved);
    if (c.staysOpen) {
      prompts_.confirmAnswers = {Answer::No};
      trigger("FileClose");
    }
  }
  // Nothing modified: no question.
  prompts_.questions.clear();
  openRules(kRules);
  trigger("FileClose");
  EXPECT_TRUE(prompts_.questions.isEmpty());
  EXPECT_FALSE(window_->isFileOpen());
}

TEST_F(MainWindow, SaveAsLeavesSaveOnTheOpenedFile) {
  openAndModify();
  const QString copy = dir_.filePath("copy.ini");
  prompts_.saveAnswer = copy;
  trigger("FileSaveAs");
  EXPECT_EQ(readFile(copy), readFile(workingCopyPath()));
  EXPECT_EQ(readFile(rulesPath()), kRules);
  EXPECT_TRUE(window_->isModified());

  SectionForm& form = show("2TNK");
  setFieldText(form, "Cost", "900");
  click(form, "OK");
  trigger("FileSave");
  EXPECT_FALSE(window_->isModified());
  EXPECT_EQ(readFile(rulesPath()), readFile(workingCopyPath()));
  EXPECT_EQ(sectionText(copy, "2TNK"), "Cost=800");
  trigger("FileClose");
  EXPECT_TRUE(prompts_.questions.isEmpty());
}

TEST_F(MainWindow, FailedCopiesAreReportedAndChangeNothing) {
  // Open from something that cannot be read as a file.
  const QString folder = dir_.filePath("folder.ini");
  ASSERT_TRUE(QDir().mkpath(folder));
  EXPECT_FALSE(window_->openFile(folder));
  EXPECT_EQ(prompts_.errors.size(), 1);
  EXPECT_FALSE(window_->isFileOpen());

  // Save into a directory that is gone keeps the modified flag, and the
  // close sequence does not go on to close after it.
  openAndModify();
  ASSERT_TRUE(QFile::rename(rulesPath(), dir_.filePath("moved.ini")));
  ASSERT_TRUE(QDir().mkpath(rulesPath()));  // the rules file is now a directory
  trigger("FileSave");
  EXPECT_EQ(prompts_.errors.size(), 2);
  EXPECT_TRUE(window_->isModified());
  prompts_.confirmAnswers = {Answer::Yes};
  trigger("FileClose");
  EXPECT_EQ(prompts_.errors.size(), 3);
  EXPECT_TRUE(window_->isFileOpen());
  EXPECT_TRUE(window_->isModified());

  prompts_.saveAnswer = dir_.filePath("no/such/dir/x.ini");
  trigger("FileSaveAs");
  EXPECT_EQ(prompts_.errors.size(), 4);
}

TEST_F(MainWindow, OpenReplacesALinkPlantedAsTheWorkingCopy) {
  const QString victim = dir_.filePath("victim.txt");
  writeFile(victim, "precious");
  ASSERT_TRUE(QFile::link(victim, workingCopyPath()));
  openRules(kRules);
  EXPECT_EQ(readFile(victim), "precious");
  EXPECT_FALSE(QFileInfo(workingCopyPath()).isSymLink());
  EXPECT_EQ(readFile(workingCopyPath()), kRules);
}

TEST_F(MainWindow, ExitDeletesTheWorkingCopyUnlessCancelled) {
  openAndModify();
  prompts_.confirmAnswers = {Answer::Cancel};
  EXPECT_FALSE(window_->close());
  EXPECT_TRUE(window_->isVisible());
  EXPECT_TRUE(window_->isFileOpen());
  EXPECT_TRUE(QFile::exists(workingCopyPath()));

  prompts_.confirmAnswers = {Answer::No};
  EXPECT_TRUE(window_->close());
  EXPECT_FALSE(QFile::exists(workingCopyPath()));
  EXPECT_EQ(readFile(rulesPath()), kRules);
}

TEST_F(MainWindow, ExitWithoutAFileStillRemovesAStaleWorkingCopy) {
  writeFile(workingCopyPath(), "left over");
  EXPECT_TRUE(window_->close());
  EXPECT_FALSE(QFile::exists(workingCopyPath()));
}

TEST_F(MainWindow, ExitWaitsForAnOpenForm) {
  openRules(kRules);
  SectionForm& form = show("E1");
  EXPECT_FALSE(window_->close());
  click(form, "Cancel");
  EXPECT_TRUE(window_->close());
}

TEST_F(MainWindow, SecondEditorInTheSameDirectoryLeavesTheWorkingCopyAlone) {
  openAndModify();
  const std::string held = readFile(workingCopyPath());

  ScriptedPrompts otherPrompts;
  auto other = std::make_unique<TMainForm>(otherPrompts, dir_.path());
  const QString otherRules = dir_.filePath("other.ini");
  writeFile(otherRules, crlf({"[E1]", "Cost=1"}));
  otherPrompts.openAnswer = otherRules;
  other->findChild<QAction*>("FileOpen")->trigger();
  ASSERT_EQ(otherPrompts.errors.size(), 1);
  EXPECT_TRUE(otherPrompts.errors.front().contains("in use"));
  EXPECT_FALSE(other->isFileOpen());
  EXPECT_EQ(readFile(workingCopyPath()), held);

  // Its exit must not delete the working copy the first editor holds.
  EXPECT_TRUE(other->close());
  EXPECT_EQ(readFile(workingCopyPath()), held);

  // Once the first editor has ended, another may take over.
  prompts_.confirmAnswers = {Answer::No};
  EXPECT_TRUE(window_->close());
  EXPECT_TRUE(other->openFile(otherRules));
  EXPECT_EQ(readFile(workingCopyPath()), crlf({"[E1]", "Cost=1"}));
}

}  // namespace
}  // namespace quillan::editor::test
