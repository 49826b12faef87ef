// DIALOG: building the dialog window and acting on it and its elements.
#include "runtime/commands/DialogBuilder.h"
#include "runtime/commands/DialogCommands.h"
#include "runtime/commands/DialogTables.h"
#include "runtime/core/FieldReader.h"
#include "runtime/functions/NumberText.h"

namespace quillan::commands {
namespace {

using core::Runtime;

// A geometry field: the integer rule, except that a text that is not a
// number gives -1 (for the top: centre the window).
int geometryField(Runtime& rt) {
  bool valid = true;
  const std::int32_t value = functions::integerRule(core::nextField(rt), valid);
  return valid ? value : -1;
}

// A "-" field continues the element list on the next line, which is then
// consumed. On the last line there is nothing to continue with, and the
// list ends there.
bool continueOnNextLine(Runtime& rt) {
  if (rt.line + 1 >= static_cast<std::int32_t>(rt.store.size())) return false;
  ++rt.line;
  rt.readStoredLine(rt.line);
  rt.pos = 1;
  return true;
}

void create(Runtime& rt) {
  core::DialogHost& host = *rt.dialog;
  if (host.exists()) {
    rt.fail(core::kDialogExists);
    return;
  }
  core::DialogFrame frame;
  frame.title = core::requiredField(rt);
  frame.top = geometryField(rt);
  frame.left = geometryField(rt);
  frame.width = geometryField(rt);
  frame.height = geometryField(rt);
  if (rt.error != 0) return;
  if (!host.beginDialog(frame)) {
    rt.notAvailable("A dialog window without a desktop");
    return;
  }
  DialogBuilder builder(rt);
  while (rt.error == 0) {
    const std::string field = core::nextField(rt);
    if (rt.error != 0 || field.empty()) break;
    if (field.front() == '-') {
      if (!continueOnNextLine(rt)) break;
      continue;
    }
    builder.build(field);
  }
  if (rt.error != 0) {
    // The window is never shown; nothing of it (a tray icon, say) may
    // outlive the failed line.
    host.abandonDialog();
    return;
  }
  rt.settings.eventText.clear();
  host.showDialog();
}

// HIDE, SHOW, FOCUS, ENABLE, DISABLE: a name that is not an identifier
// does nothing, a name that is no element is error 23.
void act(Runtime& rt, core::ElementAction action) {
  const std::string name = core::requiredField(rt);
  if (rt.error != 0 || !isIdentifier(name)) return;
  if (!rt.dialog->actOnElement(name, action)) rt.fail(core::kBadElementName);
}

void set(Runtime& rt) {
  const std::string name = core::requiredField(rt);
  const std::string value = core::nextField(rt);
  if (rt.error != 0) return;
  if (!isIdentifier(name) || !rt.dialog->setElement(name, value)) rt.fail(core::kBadElementName);
}

void clear(Runtime& rt, bool selectedOnly) {
  const std::string name = core::requiredField(rt);
  if (rt.error != 0) return;
  if (!isIdentifier(name) || rt.dialog->clearElement(name, selectedOnly) != core::ElementResult::Done)
    rt.fail(core::kBadElementName);
}

void dialogCommand(Runtime& rt) {
  std::string word = core::requiredField(rt);
  core::upperAsciiInPlace(word);
  const auto* row = kSubCommands.find(word);
  const bool needsNoDialog = row != nullptr && (row->entry == SubCommand::Create || row->entry == SubCommand::Popup);
  if (!needsNoDialog && !rt.dialog->exists()) {
    rt.fail(core::kNoDialog);
    return;
  }
  if (row == nullptr) {
    rt.failUnlessSet(core::kUnknownWord);  // an empty word has already set error 2
    return;
  }
  core::DialogHost& host = *rt.dialog;
  switch (row->entry) {
    case SubCommand::Title: {
      const std::string text = core::requiredField(rt);
      if (rt.error == 0) host.setTitle(text);
      break;
    }
    case SubCommand::Set:
      set(rt);
      break;
    case SubCommand::Focus:
      act(rt, core::ElementAction::Focus);
      break;
    case SubCommand::Clear:
      clear(rt, false);
      break;
    case SubCommand::ClearSel:
      clear(rt, true);
      break;
    case SubCommand::Close:
      host.close();
      break;
    case SubCommand::Cursor: {
      std::string cursor = core::nextField(rt);
      core::upperAsciiInPlace(cursor);
      if (rt.error == 0) host.setWaitCursor(cursor == "WAIT");
      break;
    }
    case SubCommand::Hide:
      act(rt, core::ElementAction::Hide);
      break;
    case SubCommand::Enable:
      act(rt, core::ElementAction::Enable);
      break;
    case SubCommand::Disable:
      act(rt, core::ElementAction::Disable);
      break;
    case SubCommand::Show:
      act(rt, core::ElementAction::Show);
      break;
    case SubCommand::Create:
      create(rt);
      break;
    case SubCommand::Popup:
      if (host.exists()) host.popupMenu();
      break;
  }
}

}  // namespace

void waitCommand(Runtime& rt);  // WaitCommand.cpp

namespace {

constexpr core::CommandRow kRows[] = {{core::Command::Dialog, &dialogCommand}, {core::Command::Wait, &waitCommand}};

}  // namespace

const std::span<const core::CommandRow> kDialogCommands = kRows;

}  // namespace quillan::commands
