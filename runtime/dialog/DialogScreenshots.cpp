// dialog_screenshots: pictures of the bundled example dialogs for docs/.
// Each example runs for real, unattended, until a WAIT EVENT first finds
// nothing to do; its window is then drawn into OUTDIR/dialog-NAME.png and
// the script ends there.
//
//   dialog_screenshots OUTDIR EXAMPLE.qs...
#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/posix/PosixFileSystem.h"
#include "platform/unattended/UnattendedSession.h"
#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/Interpreter.h"
#include "runtime/core/Variables.h"
#include "runtime/dialog/QtDialogHost.h"
#include "runtime/dialog/TrayShells.h"
#include "runtime/dialog/UnattendedUserInterface.h"
#include "runtime/functions/FunctionLibrary.h"

namespace {

using namespace quillan;

// The window is drawn the first time WAIT EVENT finds nothing to do, and
// the script ends there.
class PictureHost final : public dialog::QtDialogHost {
 public:
  PictureHost(core::Runtime& rt, dialog::TrayShell& shell, QString file)
      : QtDialogHost(rt, shell), file_(std::move(file)) {}
  core::IdleOutcome idle() override {
    if (form() != nullptr && exists()) {
      QApplication::processEvents();
      saved = form()->grab().save(file_, "PNG");
    }
    return core::IdleOutcome::Stuck;
  }
  bool saved = false;

 private:
  QString file_;
};

std::vector<std::string> scriptLines(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool picture(const QString& outDir, const char* example) {
  const QString name = QFileInfo(QString::fromLocal8Bit(example)).completeBaseName();
  const QString file = outDir + "/dialog-" + name + ".png";
  std::FILE* nowhere = std::fopen("/dev/null", "w");
  unattended::UnattendedSession session({}, nowhere, stderr);
  dialog::UnattendedUserInterface ui(session);
  posix::PosixFileSystem fs;
  core::Runtime rt(os::Platform{&ui, &fs, nullptr});
  rt.commands = &commands::standardCommands();
  functions::installFunctions(rt, functions::standardFunctions());
  dialog::HeadlessTrayShell tray;
  PictureHost host(rt, tray, file);
  rt.dialog = &host;
  rt.store = scriptLines(example);
  core::prepare(rt, (name + ".exe").toStdString(), {});
  core::startScript(rt);
  std::fclose(nowhere);
  std::printf("%s %s\n", host.saved ? "wrote" : "FAILED", qPrintable(file));
  return host.saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: dialog_screenshots OUTDIR EXAMPLE.qs...\n", stderr);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Quillan"));
  const QString outDir = QString::fromLocal8Bit(argv[1]);
  bool ok = true;
  for (int i = 2; i < argc; ++i) ok = picture(outDir, argv[i]) && ok;
  return ok ? 0 : 1;
}
