// What each element kind is on the Qt side: the widget it makes, how the
// script reads, sets and clears its value, what a text style reaches on it,
// and how a person's action applies to it. One row per kind, in the order
// of core::ElementKind, beside the Qt-free row of core::kElementKindRows:
// adding or changing a kind is these two rows and the functions they name.
#pragma once

#include <QString>
#include <QVariant>
#include <cstddef>
#include <string>
#include <string_view>

#include "runtime/core/DialogHost.h"
#include "runtime/dialog/TextStyles.h"

class QLineEdit;

namespace quillan::dialog {

class TDlgForm;
struct Element;
struct UserAction;

struct ElementBehaviour {
  core::ElementKind kind;
  // Makes the element's widget (or tray icon) on the form and places it;
  // null for the kinds that make no element.
  core::CreateResult (*make)(TDlgForm& form, Element& element, const core::ElementSpec& spec) = nullptr;
  // @dlgtext; null: the kind has no value to read.
  void (*read)(const Element& element, std::string& value) = nullptr;
  // DIALOG SET; null: setting changes nothing.
  void (*set)(TDlgForm& form, Element& element, std::string_view value) = nullptr;
  // DIALOG CLEAR and CLEARSEL; null: the kind has nothing to clear.
  void (*clear)(Element& element, bool selectedOnly) = nullptr;
  // What a text style reaches.
  StyleReach style = StyleReach::FontAndColours;
  // DIALOG FOCUS gives it the keyboard focus.
  bool focusable = true;
  // Called when the keyboard focus leaves the element.
  void (*focusLeft)(TDlgForm& form, Element& element) = nullptr;

  // --- User actions of unattended mode; null: the action does not apply.
  // click: as the mouse clicks it.
  void (*click)(Element& element, const UserAction& action) = nullptr;
  // type: the field that takes the typed text.
  QLineEdit* (*typingField)(Element& element) = nullptr;
  // check: sets the state as a click would.
  void (*check)(Element& element, int state) = nullptr;
  // select: chooses the item; false when it has no such item.
  bool (*select)(Element& element, const UserAction& action) = nullptr;
};

extern const ElementBehaviour kElementBehaviours[core::kElementKindCount];

// The items of list and combo boxes keep the script's bytes in this role.
inline constexpr int kBytesRole = Qt::UserRole;
// The bytes behind an item text: those the script gave, unless the text
// has changed since.
std::string itemBytes(const QString& shown, const QVariant& stored);

inline const ElementBehaviour& behaviourOf(core::ElementKind kind) {
  return kElementBehaviours[static_cast<std::size_t>(kind)];
}

// The first of the count candidates whose text equals text, else the first
// that equals it ignoring case; -1 when none does.
template <typename TextAt>
int matchText(int count, TextAt textAt, const QString& text) {
  for (int i = 0; i < count; ++i)
    if (textAt(i) == text) return i;
  for (int i = 0; i < count; ++i)
    if (textAt(i).compare(text, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

}  // namespace quillan::dialog
