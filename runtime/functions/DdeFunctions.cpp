// DDEITEM: reads an item over the dialog's conversation with another
// program.
#include "runtime/core/FieldReader.h"
#include "runtime/functions/FunctionLibrary.h"

namespace quillan::functions {
namespace {

// Without a dialog, or without an open conversation, the item is not read:
// the rest of the call stays in the line as text. A request the peer
// refuses or leaves unanswered clears the success flag, so a failed read
// does not pass for an item that is empty.
void ddeitem(core::Runtime& rt, std::string& result) {
  if (!rt.dialog->exists()) {
    rt.fail(core::kNoDialog);
    return;
  }
  os::Conversation* conversation = rt.dialog->conversation();
  rt.success = conversation != nullptr && conversation->isOpen();
  if (!rt.success) return;
  const std::string item = core::nextArgument(rt);
  if (rt.error != 0) return;
  rt.success = conversation->request(item, result);
}

constexpr FunctionRow kRows[] = {{Function::DdeItem, &ddeitem}};

}  // namespace

const std::span<const FunctionRow> kDdeFunctions = kRows;

}  // namespace quillan::functions
