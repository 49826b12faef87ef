// The dialog's side of the function library: the event slot, the last
// click on a bitmap, and element values.
#include <array>

#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/functions/FunctionKeywords.h"
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/NumberText.h"

namespace quillan::functions {
namespace {

// EVENT reads the slot and empties it, so every event is seen once.
void event(Runtime& rt, std::string& result) {
  core::nextArgument(rt);
  result = std::move(rt.settings.eventText);
  rt.settings.eventText.clear();
}

constexpr core::KeywordRow<ClickItem> kClickItemRows[] = {
    {1, ClickItem::Button}, {7, ClickItem::X}, {8, ClickItem::Y}, {9, ClickItem::Region}};

}  // namespace

const core::KeywordTable<ClickItem> kClickItems{"BUTTONXYREGION", kClickItemRows};

namespace {

void click(Runtime& rt, std::string& result) {
  std::string selector = core::requiredArgument(rt);
  if (selector.empty()) return;  // error 11
  core::upperAsciiInPlace(selector);
  const auto& record = rt.click;
  const auto* row = kClickItems.find(selector);
  if (row == nullptr) {
    rt.fail(core::kBadValue);
    return;
  }
  switch (row->entry) {
    case ClickItem::Button:
      result = record.button;
      break;
    case ClickItem::X:
      writeInteger(result, record.x);
      break;
    case ClickItem::Y:
      writeInteger(result, record.y);
      break;
    case ClickItem::Region: {
      // Top, left, bottom, right: the first and third bound Y.
      std::array<std::int32_t, 4> bounds{};
      for (auto& bound : bounds) bound = integerRule(core::nextArgument(rt));
      if (bounds[0] <= record.y && record.y <= bounds[2] && bounds[1] <= record.x && record.x <= bounds[3])
        result = "1";
      break;
    }
  }
}

// Without a dialog nothing is read: the rest of the call stays in the line
// as text.
void dlgtext(Runtime& rt, std::string& result) {
  if (!rt.dialog->exists()) {
    rt.fail(core::kNoDialog);
    return;
  }
  const std::string name = core::nextArgument(rt);
  if (rt.dialog->readElement(name, result) != core::ElementResult::Done) {
    result.clear();
    rt.fail(core::kBadElementName);
  }
}

// A filter "*.ext" stands for "EXT files (*.ext)|*.ext"; any other is
// pairs of a description and a pattern as they stand.
std::string fileFilter(std::string filter) {
  if (filter.empty()) return "All files (*.*)|*.*";
  if (!filter.starts_with("*.")) return filter;
  std::string kind = filter.substr(2, 3);
  core::upperAsciiInPlace(kind);
  return kind + " files (" + filter + ")|" + filter;
}

// FILEDLG and DIRDLG belong to the dialog window: without one nothing is
// read and nothing is asked.
void filedlg(Runtime& rt, std::string& result) {
  if (!rt.dialog->exists()) {
    rt.fail(core::kNoDialog);
    return;
  }
  const std::string filter = fileFilter(core::nextArgument(rt));
  const std::string title = core::argumentOr(rt, "Choose file");
  if (rt.error != 0) return;
  rt.success = rt.dialog->chooseFile(filter, title, result);
  if (!rt.success) result.clear();
}

void dirdlg(Runtime& rt, std::string& result) {
  if (!rt.dialog->exists()) {
    rt.fail(core::kNoDialog);
    return;
  }
  const std::string title = core::argumentOr(rt, "Choose a directory");
  if (rt.error != 0) return;
  rt.success = rt.dialog->chooseDirectory(title, result);
  if (!rt.success) result.clear();
}

constexpr FunctionRow kRows[] = {{Function::Event, &event},
                                 {Function::Click, &click},
                                 {Function::DlgText, &dlgtext},
                                 {Function::FileDlg, &filedlg},
                                 {Function::DirDlg, &dirdlg}};

}  // namespace

const std::span<const FunctionRow> kDialogFunctions = kRows;

}  // namespace quillan::functions
