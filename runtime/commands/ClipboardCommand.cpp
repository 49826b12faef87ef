// CLIPBOARD CLEAR, SET and APPEND: text on the desktop's clipboard.
#include "runtime/commands/ListCommands.h"
#include "runtime/core/FieldReader.h"

namespace quillan::commands {

using core::Runtime;

namespace {

constexpr core::KeywordRow<ClipboardAction> kActionRows[] = {
    {1, ClipboardAction::Clear}, {6, ClipboardAction::Append}, {12, ClipboardAction::Set}};

}  // namespace

const core::KeywordTable<ClipboardAction> kClipboardActions{"CLEARAPPENDSET", kActionRows};

namespace {

void clipboard(Runtime& rt) {
  std::string word = core::requiredField(rt);
  core::upperAsciiInPlace(word);
  const auto* row = kClipboardActions.find(word);
  if (row == nullptr) {
    rt.failUnlessSet(core::kUnknownWord);
    return;
  }
  if (rt.error != 0) return;
  std::string text;
  if (row->entry != ClipboardAction::Clear) {
    text = core::nextField(rt);
    if (rt.error != 0) return;
  }
  os::Clipboard* board = rt.os.clipboard;
  if (board == nullptr) return;
  switch (row->entry) {
    case ClipboardAction::Clear:
      board->clear();
      return;
    case ClipboardAction::Set:
      board->setText(text);
      return;
    case ClipboardAction::Append: {
      std::string held = board->text();
      board->setText(held.empty() ? text : held + "\r\n" + text);
      return;
    }
  }
}

constexpr core::CommandRow kRows[] = {{core::Command::Clipboard, &clipboard}};

}  // namespace

const std::span<const core::CommandRow> kClipboardCommands = kRows;

}  // namespace quillan::commands
