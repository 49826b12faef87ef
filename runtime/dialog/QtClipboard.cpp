#include "runtime/dialog/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {

std::string QtClipboard::text() { return fromDisplay(QGuiApplication::clipboard()->text()); }

// Line breaks go over as the script wrote them: what a script puts there,
// it reads back unchanged.
void QtClipboard::setText(std::string_view text) { QGuiApplication::clipboard()->setText(toDisplay(text)); }

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }

}  // namespace quillan::dialog
