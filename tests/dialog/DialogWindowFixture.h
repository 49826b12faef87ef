// Runs script lines against the real dialog window on Qt's offscreen
// platform: pictures come from a file system in memory, tray icons go to a
// recording shell, saved positions to a scratch registry.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "FakeTrayShell.h"
#include "ScriptLines.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeUserInterface.h"
#include "platform/registry/SqliteRegistry.h"
#include "platform/unattended/UnattendedSession.h"
#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/Interpreter.h"
#include "runtime/core/Variables.h"
#include "runtime/dialog/QtDialogHost.h"
#include "runtime/dialog/UnattendedDialogHost.h"
#include "runtime/functions/FunctionLibrary.h"

namespace quillan::testing {

// Message processing that really lets Qt run, as scriptrun's does.
struct QtProcessingUi : fake::FakeUserInterface {
  void processMessages() override {
    ++messageRounds;
    QApplication::processEvents();
  }
};

inline std::string pngBytes(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

struct DialogWindow : ::testing::Test, ScriptLines<DialogWindow> {
  QtProcessingUi ui;
  fake::FakeFileSystem fs;
  FakeTrayShell shell;
  std::string registryPath =
      std::filesystem::temp_directory_path() / ("quillan-dialog-" + std::to_string(getpid()) + ".db");
  reg::SqliteRegistry registry{registryPath};
  core::Runtime rt{os::Platform{&ui, &fs, &registry}};
  std::unique_ptr<unattended::UnattendedSession> session;
  std::FILE* transcript = nullptr;
  std::unique_ptr<dialog::QtDialogHost> host;

  explicit DialogWindow(const std::string& scriptPath = "/work/Tool.exe") {
    rt.commands = &commands::standardCommands();
    functions::installFunctions(rt, functions::standardFunctions());
    core::prepare(rt, scriptPath, {});
    rt.settings.sleepTime = 1;
    fs.files["/work/pic.png"] = pngBytes(40, 30, Qt::red);
    host = std::make_unique<dialog::QtDialogHost>(rt, shell);
    rt.dialog = host.get();
  }
  ~DialogWindow() override {
    closeDialog();
    host.reset();
    if (transcript != nullptr) std::fclose(transcript);
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(registryPath + suffix);
  }

  // Unattended, with the lines of an answer file; the transcript is kept.
  void useAnswers(std::string_view lines) {
    transcript = std::tmpfile();
    session = std::make_unique<unattended::UnattendedSession>(unattended::parseAnswers(lines), transcript, stderr);
    host = std::make_unique<dialog::UnattendedDialogHost>(rt, *session, shell);
    rt.dialog = host.get();
  }
  std::string transcriptText() {
    std::fflush(transcript);
    std::rewind(transcript);
    std::string text;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, transcript)) text.append(buffer, n);
    return text;
  }

  // As the end of a script closes the dialog.
  void closeDialog() {
    if (!host || !host->exists()) return;
    const bool stop = rt.stop;
    rt.stop = true;
    host->close();
    rt.stop = stop;
  }

  // Lets the window system deliver what showing a window queued (its
  // activation, and with it the keyboard focus).
  void settle() { QApplication::processEvents(); }

  dialog::TDlgForm& form() { return *host->form(); }
  template <typename W>
  W* widget(const char* name) {
    return host->form() == nullptr ? nullptr : host->form()->findChild<W*>(QString::fromLatin1(name));
  }
};

}  // namespace quillan::testing
