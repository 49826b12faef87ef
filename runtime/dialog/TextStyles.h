// Text styles on widgets: the dialog font, the colours and what each
// element kind takes from a style.
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>
#include <string_view>

#include "runtime/core/DialogHost.h"

class QWidget;

namespace quillan::dialog {

// The font of that family and point size. Scripts were written for
// "MS Sans Serif", which Linux desktops rarely have: a missing one becomes
// a close sans-serif face of the same size.
QFont dialogFont(std::string_view family, int points);

QColor toQColor(const core::Colour& colour);

// How much of a text style an element kind takes.
enum class StyleReach : std::uint8_t {
  Font,            // the font alone
  FontAndColours,  // the font, and the colours of the widget's face and text
  FieldColours,    // the font, and the colours of an input field and its text
  All,             // the font, the colours and the alignment
};

// Applies as much of the style as reach says. Bold and italic are only
// ever added.
void applyTextStyle(QWidget& widget, StyleReach reach, const core::TextStyle& style);

}  // namespace quillan::dialog
