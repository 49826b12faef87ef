#include "runtime/core/SimpleCommands.h"

#include "runtime/core/FieldReader.h"

namespace quillan::core {
namespace {

void nothing(Runtime&) {}

void messageBox(Runtime& rt, os::BoxIcon icon) {
  const std::string text = requiredField(rt);
  if (rt.error != 0) return;
  const os::BoxAnswer answer = rt.os.ui->messageBox(rt.titleText, text, icon, os::BoxButtons::Ok);
  rt.success = answer == os::BoxAnswer::Ok || answer == os::BoxAnswer::Yes;
}

void info(Runtime& rt) { messageBox(rt, os::BoxIcon::Information); }
void warn(Runtime& rt) { messageBox(rt, os::BoxIcon::Exclamation); }

void title(Runtime& rt) {
  const std::string text = requiredField(rt);
  if (rt.error != 0) return;
  rt.titleText = text;
  rt.os.ui->setApplicationTitle(text);
}

}  // namespace

void addSimpleCommands(CommandSet& set) {
  set[Command::Rem] = &nothing;
  set[Command::Break] = &nothing;
  set[Command::Info] = &info;
  set[Command::Warn] = &warn;
  set[Command::Title] = &title;
}

}  // namespace quillan::core
