// DDE LINK, POKE, EXECUTE and TERMINATE: the script's one conversation with
// another program. The conversation belongs to the dialog window, so the
// command needs one; what the peer answers is the success flag.
#include "runtime/commands/SystemCommands.h"
#include "runtime/core/FieldReader.h"

namespace quillan::commands {

using core::Runtime;

namespace {

// The operations before EXECUTE take two arguments, EXECUTE one and
// TERMINATE none; a word found anywhere else in the string (K at 4) or
// nowhere is read as if it took two, so its missing arguments are reported
// before the word is.
constexpr int kExecuteAt = 8;
constexpr int kTerminateAt = 13;

constexpr core::KeywordRow<DdeOperation> kOperationRows[] = {{1, DdeOperation::Link},
                                                             {5, DdeOperation::Poke},
                                                             {kExecuteAt, DdeOperation::Execute},
                                                             {kTerminateAt, DdeOperation::Terminate}};

}  // namespace

const core::KeywordTable<DdeOperation> kDdeOperations{"LINKPOKEXECUTERMINATE", kOperationRows};

namespace {

bool run(os::Conversation* conversation, DdeOperation operation, const std::string& first, const std::string& second) {
  if (conversation == nullptr) return operation == DdeOperation::Terminate;
  switch (operation) {
    case DdeOperation::Link:
      return conversation->link(first, second);
    case DdeOperation::Poke:
      return conversation->isOpen() && conversation->poke(first, second);
    case DdeOperation::Execute:
      return conversation->isOpen() && conversation->execute(first);
    case DdeOperation::Terminate:
      conversation->terminate();
      return true;
  }
  return false;
}

void dde(Runtime& rt) {
  if (!rt.dialog->exists()) {
    rt.fail(core::kNoDialog);
    return;
  }
  std::string word = core::requiredField(rt);
  core::upperAsciiInPlace(word);
  const int position = core::packedPosition(kDdeOperations.packed, word);
  std::string first, second;
  if (position < kTerminateAt) first = core::requiredField(rt);
  if (position < kExecuteAt) second = core::requiredField(rt);
  if (rt.error != 0) return;
  const auto* row = kDdeOperations.find(word);
  if (row == nullptr) {
    rt.failUnlessSet(core::kUnknownWord);
    rt.success = false;
    return;
  }
  rt.success = run(rt.dialog->conversation(), row->entry, first, second);
}

constexpr core::CommandRow kRows[] = {{core::Command::Dde, &dde}};

}  // namespace

const std::span<const core::CommandRow> kDdeCommands = kRows;

}  // namespace quillan::commands
