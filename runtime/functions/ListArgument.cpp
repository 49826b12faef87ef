#include "runtime/functions/ListArgument.h"

#include "runtime/functions/NumberText.h"

namespace quillan::functions {
namespace {

bool isLetterOrUnderscore(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

bool isIdentifier(std::string_view text) {
  if (text.empty() || !isLetterOrUnderscore(text.front())) return false;
  for (const char c : text)
    if (!isLetterOrUnderscore(c) && !(c >= '0' && c <= '9')) return false;
  return true;
}

}  // namespace

ListDesignation designateList(core::Runtime& rt, std::string_view text) {
  ListDesignation d;
  std::int32_t number = 0;
  if (parseInteger(text, number) && number >= 1 && number <= 4) {
    d.slot = number - 1;
    d.list = rt.lists[static_cast<std::size_t>(d.slot)].get();
  } else if (rt.dialog->exists() && isIdentifier(text)) {
    d.list = rt.dialog->listElement(text);
  }
  return d;
}

core::ScriptList* listArgument(core::Runtime& rt, std::string_view text) {
  core::ScriptList* list = designateList(rt, text).list;
  if (list == nullptr) rt.fail(core::kBadList);
  return list;
}

}  // namespace quillan::functions
