// The list functions: COUNT, INDEX, ITEM, NEXT and MATCH read a list and
// move its current position.
#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/FunctionSupport.h"
#include "runtime/functions/ListArgument.h"

namespace quillan::functions {
namespace {

core::ScriptList* listOf(Runtime& rt) { return listArgument(rt, core::nextArgument(rt)); }

void count(Runtime& rt, std::string& result) {
  if (const core::ScriptList* list = listOf(rt)) writeInteger(result, list->count());
}

void index(Runtime& rt, std::string& result) {
  if (const core::ScriptList* list = listOf(rt)) writeInteger(result, list->position());
}

// The current item; without one the empty text and the success flag
// cleared. True when there was one.
bool currentItem(Runtime& rt, const core::ScriptList& list, std::string& result) {
  if (!list.hasCurrent()) {
    rt.success = false;
    return false;
  }
  result = list.item(list.position());
  return true;
}

void item(Runtime& rt, std::string& result) {
  if (const core::ScriptList* list = listOf(rt)) currentItem(rt, *list, result);
}

// The position moves on even when there was no current item: an internal
// list's counts on past the end (a dialog list's selection stays none).
void next(Runtime& rt, std::string& result) {
  core::ScriptList* list = listOf(rt);
  if (list == nullptr) return;
  currentItem(rt, *list, result);
  list->advance();
}

// The first item from the current position on that contains the text,
// ignoring ASCII case; the position stays on it. Without one the position
// goes back to where it was.
void match(Runtime& rt, std::string& result) {
  core::ScriptList* list = listOf(rt);
  std::string text = core::nextArgument(rt);
  if (list == nullptr || rt.error != 0) return;
  core::upperAsciiInPlace(text);
  const std::int32_t remembered = list->position();
  if (remembered < 0 && list->count() > 0) list->setPosition(0);
  while (list->hasCurrent()) {
    std::string item = list->item(list->position());
    core::upperAsciiInPlace(item);
    if (item.find(text) != std::string::npos) {
      result = "1";
      return;
    }
    list->advance();
  }
  list->setPosition(remembered);
}

constexpr FunctionRow kRows[] = {{Function::Count, &count},
                                 {Function::Index, &index},
                                 {Function::Item, &item},
                                 {Function::Next, &next},
                                 {Function::Match, &match}};

}  // namespace

const std::span<const FunctionRow> kListFunctions = kRows;

}  // namespace quillan::functions
