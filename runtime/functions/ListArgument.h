// Which list a list argument designates: "1" to "4" (any integer text of
// that value) an internal slot, a name a LIST or COMBO element of the shown
// dialog. The LIST command and the list functions share the rule.
#pragma once

#include <string_view>

#include "runtime/core/Runtime.h"
#include "runtime/core/ScriptList.h"

namespace quillan::functions {

struct ListDesignation {
  int slot = -1;                     // 0..3 for an internal slot, filled or not
  core::ScriptList* list = nullptr;  // the list, when there is one
};

// What text designates; nothing (slot -1, no list) for anything else.
ListDesignation designateList(core::Runtime& rt, std::string_view text);

// The list text designates, or null with run-time error 4 when it
// designates none or an empty internal slot.
core::ScriptList* listArgument(core::Runtime& rt, std::string_view text);

}  // namespace quillan::functions
