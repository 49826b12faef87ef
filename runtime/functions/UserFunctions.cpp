// Asking the user (ASK, QUERY, INPUT) and the result of the last program
// (RETCODE). The boxes are captioned with the window title text.
#include <string>

#include "runtime/core/FieldReader.h"
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/FunctionSupport.h"

namespace quillan::functions {
namespace {

// A question box whose yes is the given button. An empty question is a
// missing argument of the command kind (error 2), as INFO's text is.
void question(Runtime& rt, std::string& result, os::BoxButtons buttons, os::BoxAnswer yes) {
  const std::string text = core::nextArgument(rt);
  if (text.empty()) rt.fail(core::kMissingArgument);
  // A line that has already failed shows nothing more.
  if (rt.error != 0 || rt.os.ui == nullptr) return;
  rt.success = rt.os.ui->messageBox(rt.settings.titleText, text, os::BoxIcon::Question, buttons) == yes;
  setYes(result, rt.success);
}

void ask(Runtime& rt, std::string& result) { question(rt, result, os::BoxButtons::YesNo, os::BoxAnswer::Yes); }
void query(Runtime& rt, std::string& result) { question(rt, result, os::BoxButtons::OkCancel, os::BoxAnswer::Ok); }

void input(Runtime& rt, std::string& result) {
  const std::string prompt = core::requiredArgument(rt);
  const std::string defaultText = core::nextArgument(rt);
  if (rt.error != 0 || rt.os.ui == nullptr) return;
  result = defaultText;
  rt.success = rt.os.ui->inputBox(rt.settings.titleText, prompt, defaultText, result);
  if (!rt.success) result = defaultText;
}

void retcode(Runtime& rt, std::string& result) {
  core::nextArgument(rt);
  result = std::to_string(rt.lastRunResult);
}

constexpr FunctionRow kRows[] = {
    {Function::Ask, &ask}, {Function::Query, &query}, {Function::Input, &input}, {Function::RetCode, &retcode}};

}  // namespace

const std::span<const FunctionRow> kUserFunctions = kRows;

}  // namespace quillan::functions
