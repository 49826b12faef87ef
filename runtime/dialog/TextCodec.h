// Script text is 8-bit bytes. At the desktop it becomes a QString: bytes
// that form valid UTF-8 are read as UTF-8 (the encoding of every current
// Linux desktop), anything else as Latin-1, so no byte is ever lost.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quillan::dialog {

QString toDisplay(std::string_view bytes);
// Line breaks as scripts write them ("\r", "\r\n") become "\n".
QString toDisplayText(std::string_view bytes);
std::string fromDisplay(const QString& text);

}  // namespace quillan::dialog
