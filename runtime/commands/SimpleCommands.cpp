#include "runtime/commands/SimpleCommands.h"

#include "runtime/core/FieldReader.h"

namespace quillan::commands {
namespace {

using core::requiredField;
using core::Runtime;

void nothing(Runtime&) {}

void messageBox(Runtime& rt, os::BoxIcon icon) {
  const std::string text = requiredField(rt);
  if (rt.error != 0) return;
  const os::BoxAnswer answer = rt.os.ui->messageBox(rt.settings.titleText, text, icon, os::BoxButtons::Ok);
  rt.success = answer == os::BoxAnswer::Ok || answer == os::BoxAnswer::Yes;
}

void info(Runtime& rt) { messageBox(rt, os::BoxIcon::Information); }
void warn(Runtime& rt) { messageBox(rt, os::BoxIcon::Exclamation); }

void title(Runtime& rt) {
  const std::string text = requiredField(rt);
  if (rt.error != 0) return;
  rt.settings.titleText = text;
  rt.os.ui->setApplicationTitle(text);
}

using core::Command;
constexpr core::CommandRow kRows[] = {{Command::Rem, &nothing},
                                      {Command::Break, &nothing},
                                      {Command::Info, &info},
                                      {Command::Warn, &warn},
                                      {Command::Title, &title}};

}  // namespace

const std::span<const core::CommandRow> kSimpleCommands = kRows;

}  // namespace quillan::commands
