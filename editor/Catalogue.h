// The catalogue of game objects: the menu entries that each open one form on
// one section of the rules file. It is fixed data; the editor offers no way
// to edit a section that is not in it.
#pragma once

#include <span>
#include <string_view>

#include "editor/FormTables.h"

namespace quillan::editor {

// Separates the submenu captions of CatalogueRow::path. Captions may hold
// "/" ("Walls/Fences") and trailing blanks ("Ground "), so neither can be it.
inline constexpr char kMenuPathSeparator = '|';

struct CatalogueRow {
  std::string_view path;     // menu bar caption, then submenus, '|'-separated
  std::string_view caption;  // the entry's text in its menu
  std::string_view section;  // empty: a placeholder that is always disabled
  std::string_view title;    // the form's window title while it edits the section
  FormId form = FormId::AllUnits;
  int kind = -1;  // units form rows only: the object kind they set

  constexpr bool opensForm() const { return !section.empty(); }
};

// Every menu entry under the object menus, in menu order, placeholders
// included. A submenu appears where its first entry stands; a submenu that
// holds nothing but placeholders is itself disabled.
std::span<const CatalogueRow> catalogueEntries();

}  // namespace quillan::editor
