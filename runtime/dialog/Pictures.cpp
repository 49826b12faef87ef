#include "runtime/dialog/Pictures.h"

#include <string>

#include "platform/peicon/ExecutableIcon.h"
#include "runtime/core/Keywords.h"
#include "runtime/core/Variables.h"

namespace quillan::dialog {
namespace {

bool isExecutableName(std::string_view file) {
  if (file.size() < 4) return false;
  std::string ext(file.substr(file.size() - 4));
  core::upperAsciiInPlace(ext);
  return ext == ".EXE";
}

bool fromBytes(QPixmap& pixmap, const std::string& bytes, const char* format) {
  return pixmap.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()), format);
}

}  // namespace

std::optional<QPixmap> loadPicture(core::Runtime& rt, std::string_view file) {
  if (file.empty() || rt.os.fs == nullptr) return std::nullopt;
  const std::string path = core::lookUpFile(rt, file);
  std::string bytes;
  if (rt.os.fs->readFile(path, bytes) != 0) return std::nullopt;
  QPixmap pixmap;
  if (isExecutableName(file)) {
    const auto icon = peicon::firstIconAsIco(bytes);
    if (!icon || !fromBytes(pixmap, *icon, "ICO")) return std::nullopt;
  } else if (!fromBytes(pixmap, bytes, nullptr)) {
    return std::nullopt;
  }
  if (pixmap.isNull()) return std::nullopt;
  return pixmap;
}

}  // namespace quillan::dialog
