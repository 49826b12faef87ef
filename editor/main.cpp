// ruleedit: the rules-file editor. `ruleedit [FILE]` opens FILE at start as
// "&Open..." would.
#include <QApplication>
#include <QCommandLineParser>

#include "editor/EditorTexts.h"
#include "editor/Screenshots.h"
#include "editor/TMainForm.h"
#include "editor/UserPrompts.h"
#include "runtime/dialog/QtMessages.h"

#ifndef QUILLAN_VERSION
#define QUILLAN_VERSION "0"
#endif

int main(int argc, char** argv) {
  using namespace quillan::editor;
  quillan::dialog::installQuietMessages();
  QApplication app(argc, argv);
  QApplication::setApplicationName(texts::kProgramName);
  QApplication::setApplicationVersion(QUILLAN_VERSION);

  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("file", "Rules file to open at start.", "[FILE]");
  // For the documentation: save pictures of every window into DIR and quit.
  QCommandLineOption screenshot("screenshot", "", "DIR");
  screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(screenshot);
  parser.process(app);

  DialogPrompts prompts;
  TMainForm window(prompts);
  window.show();
  if (!parser.positionalArguments().isEmpty()) window.openFile(parser.positionalArguments().front());
  if (parser.isSet(screenshot)) return takeScreenshots(window, parser.value(screenshot));
  return QApplication::exec();
}
