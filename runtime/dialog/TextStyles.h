// Text styles on widgets: the dialog font, the colours and what each
// element kind takes from a style.
#pragma once

#include <QColor>
#include <QFont>
#include <string_view>

#include "runtime/core/DialogHost.h"

class QWidget;

namespace quillan::dialog {

// The font of that family and point size. Scripts were written for
// "MS Sans Serif", which Linux desktops rarely have: a missing one becomes
// a close sans-serif face of the same size.
QFont dialogFont(std::string_view family, int points);

QColor toQColor(const core::Colour& colour);

// Applies the style to a widget of the element kind: a TEXT takes all of
// it, EDIT, CHECK, RADIO, LIST and COMBO everything but the alignment,
// BUTTON and STATUS the font alone. Bold and italic are only ever added.
void applyTextStyle(QWidget& widget, core::ElementKind kind, const core::TextStyle& style);

}  // namespace quillan::dialog
