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

TEST_F(MainWindow, CloseLetsAnotherEditorInTheDirectoryOpen) {
  openRules(kRules);
  ScriptedPrompts otherPrompts;
  auto other = std::make_unique<TMainForm>(otherPrompts, dir_.path());
  const QString otherRules = dir_.filePath("other.ini");
  writeFile(otherRules, crlf({"[E1]", "Cost=1"}));
  EXPECT_FALSE(other->openFile(otherRules));
  ASSERT_EQ(otherPrompts.errors.size(), 1);

  // The message says to close the file there; doing so must be enough.
  trigger("FileClose");
  EXPECT_TRUE(other->openFile(otherRules)) << otherPrompts.errors.join("; ").toStdString();

  // Now the first editor is the one kept out, until the other closes.
  EXPECT_FALSE(window_->openFile(rulesPath()));
  other->findChild<QAction*>("FileClose")->trigger();
  EXPECT_TRUE(window_->openFile(rulesPath()));
  EXPECT_EQ(readFile(workingCopyPath()), kRules);
}

TEST_F(MainWindow, OpenAsksAboutUnsavedChanges) {
  const QString second = dir_.filePath("second.ini");
  const std::string secondRules = crlf({"[E1]", "Cost=7"});
  writeFile(second, secondRules);
  struct Case {
    Answer answer;
    bool opensSecond;
    bool rulesFileSaved;
  };
  const Case cases[] = {
      {Answer::Cancel, false, false},
      {Answer::No, true, false},
      {Answer::Yes, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    prompts_.questions.clear();
    openAndModify();
    prompts_.confirmAnswers = {c.answer};
    prompts_.openAnswer = second;
    trigger("FileOpen");
    ASSERT_EQ(prompts_.questions.size(), 1);
    EXPECT_EQ(prompts_.questions.front(), "Save changes to " + rulesPath() + " ?");
    EXPECT_TRUE(window_->isFileOpen());
    EXPECT_EQ(window_->fileName(), c.opensSecond ? second : rulesPath());
    EXPECT_EQ(window_->isModified(), !c.opensSecond);
    EXPECT_EQ(readFile(workingCopyPath()) == secondRules, c.opensSecond);
    EXPECT_EQ(sectionText(rulesPath(), "E1") == "Image=\nCost=150", c.rulesFileSaved);

    // A file just opened has no changes: closing it asks nothing.
    prompts_.questions.clear();
    prompts_.confirmAnswers = {Answer::No};
    trigger("FileClose");
    EXPECT_EQ(prompts_.questions.size(), c.opensSecond ? 0 : 1);
    writeFile(rulesPath(), kRules);
  }
}

TEST_F(MainWindow, OpenDialogProposesTheRulesFileWhateverItsCase) {
  struct Case {
    QStringList files;
    QString proposed;
  };
  const Case cases[] = {
      {{}, "Rules.ini"},
      {{"rules.ini"}, "rules.ini"},
      {{"RULES.INI", "other.ini"}, "RULES.INI"},
      {{"Rules.ini", "rules.ini"}, "Rules.ini"},
      {{"rules.ini.bak"}, "Rules.ini"},
  };
  for (const Case& c : cases) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const QString& name : c.files) writeFile(folder.filePath(name), "");
    EXPECT_EQ(proposedRulesFileName(folder.path()), c.proposed) << c.files.join(' ').toStdString();
  }
  // A directory of that name is not a file to open.
  QTemporaryDir folder;
  ASSERT_TRUE(QDir().mkpath(folder.filePath("rules.ini")));
  EXPECT_EQ(proposedRulesFileName(folder.path()), "Rules.ini");
}

}  // namespace
}  // namespace quillan::editor::test
