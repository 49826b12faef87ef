// The dialog's list and combo boxes as lists of the LIST command: their
// items are the widget's items and their current position its selected
// index, so every move of the position moves the visible selection. Items
// keep the script's bytes beside the text shown.
#pragma once

#include <memory>

#include "runtime/core/ScriptList.h"

class QComboBox;
class QListWidget;

namespace quillan::dialog {

// A sorted QListWidget places what is added itself.
std::unique_ptr<core::ScriptList> listBoxList(QListWidget& widget);
// sorted: what is added goes before the first item that is greater,
// ignoring case, as typed texts do.
std::unique_ptr<core::ScriptList> comboBoxList(QComboBox& widget, const bool& sorted);

}  // namespace quillan::dialog
