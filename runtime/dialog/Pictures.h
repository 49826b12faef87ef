// Pictures named by scripts: any image file Qt reads, and the first icon
// of a Windows executable, read from its resources by our own reader.
#pragma once

#include <QPixmap>
#include <optional>
#include <string_view>

#include "runtime/core/Runtime.h"

namespace quillan::dialog {

// Resolves the file with the file lookup rule and loads it: a name ending
// in ".EXE" (any case) gives that program's first icon. Nothing when the
// file is missing or holds nothing drawable (a metafile, say).
std::optional<QPixmap> loadPicture(core::Runtime& rt, std::string_view file);

}  // namespace quillan::dialog
