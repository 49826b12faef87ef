#include "runtime/dialog/QtMessages.h"

#include <QString>
#include <cstdio>

namespace quillan::dialog {
namespace {

// The beginnings of the messages dropped, as Qt words them.
constexpr std::string_view kNoise[] = {
    // Qt makes a private directory of its own and goes on.
    "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to ",
    // Fonts come from fontconfig; Qt's own font folder is never needed.
    "QFontDatabase: Cannot find font directory ",
    // The off-screen and minimal platforms cannot raise, grab or hint.
    "This plugin does not support ",
    // A desktop session manager we do not take part in.
    "Qt: Session management error: ",
    "Warning: Ignoring XDG_SESSION_TYPE=wayland on Gnome.",
};

void writeMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const QByteArray text = message.toLocal8Bit();
  if (isQtNoise(type, std::string_view(text.constData(), static_cast<std::size_t>(text.size())))) return;
  const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit();
  std::fprintf(stderr, "%s\n", line.constData());
  std::fflush(stderr);  // Qt aborts after a fatal one
}

}  // namespace

bool isQtNoise(QtMsgType type, std::string_view text) {
  if (type == QtDebugMsg || type == QtCriticalMsg || type == QtFatalMsg) return false;
  for (const std::string_view start : kNoise)
    if (text.starts_with(start)) return true;
  return false;
}

void installQuietMessages() { qInstallMessageHandler(&writeMessage); }

}  // namespace quillan::dialog
