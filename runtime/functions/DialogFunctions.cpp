// The dialog's side of the function library: the event slot, the last
// click on a bitmap, and element values.
#include <array>

#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/NumberText.h"

namespace quillan::functions {
namespace {

// EVENT reads the slot and empties it, so every event is seen once.
void event(Runtime& rt, std::string& result) {
  core::nextArgument(rt);
  result = std::move(rt.eventText);
  rt.eventText.clear();
}

constexpr std::string_view kClickSelectors = "BUTTONXYREGION";
constexpr std::array<int, 4> kClickStarts = {1, 7, 8, 9};  // BUTTON, X, Y, REGION

void click(Runtime& rt, std::string& result) {
  std::string selector = core::requiredArgument(rt);
  if (rt.error != 0) return;
  core::upperAsciiInPlace(selector);
  const auto& record = rt.click;
  switch (core::keywordAt(kClickSelectors, kClickStarts, selector)) {
    case 1:
      result = record.button;
      break;
    case 7:
      writeInteger(result, record.x);
      break;
    case 8:
      writeInteger(result, record.y);
      break;
    case 9: {
      // Top, left, bottom, right: the first and third bound Y.
      std::array<std::int32_t, 4> bounds{};
      for (auto& bound : bounds) bound = integerRule(core::nextArgument(rt));
      if (bounds[0] <= record.y && record.y <= bounds[2] && bounds[1] <= record.x && record.x <= bounds[3])
        result = "1";
      break;
    }
    default:
      rt.fail(core::kBadValue);
      break;
  }
}

void dlgtext(Runtime& rt, std::string& result) {
  const std::string name = core::nextArgument(rt);
  if (rt.error != 0) return;
  if (!rt.dialog->exists()) {
    rt.fail(core::kNoDialog);
    return;
  }
  if (rt.dialog->readElement(name, result) != core::ElementResult::Done) {
    result.clear();
    rt.fail(core::kBadElementName);
  }
}

}  // namespace

void addDialogFunctions(FunctionSet& set) {
  set[Function::Event] = &event;
  set[Function::Click] = &click;
  set[Function::DlgText] = &dlgtext;
}

}  // namespace quillan::functions
