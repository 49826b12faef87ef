#include "runtime/dialog/TextStyles.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
namespace {

// Faces with the metrics of the old dialog font, most alike first.
const QStringList kSansSerifStandIns = {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                        QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans"),
                                        QStringLiteral("Noto Sans")};

bool isOldDialogFont(const QString& family) {
  return family.compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0;
}

}  // namespace

QFont dialogFont(std::string_view family, int points) {
  const QString name = toDisplay(family);
  QFont font;
  if (isOldDialogFont(name) && !QFontDatabase::hasFamily(name)) {
    QStringList families;
    for (const QString& f : kSansSerifStandIns)
      if (QFontDatabase::hasFamily(f)) families << f;
    if (families.isEmpty()) families << QStringLiteral("Sans Serif");
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
  } else {
    font.setFamily(name);
  }
  font.setPointSize(points);
  return font;
}

QColor toQColor(const core::Colour& colour) {
  if (colour.buttonFace) return QApplication::palette().color(QPalette::Button);
  return QColor(colour.red, colour.green, colour.blue);
}

void applyTextStyle(QWidget& widget, StyleReach reach, const core::TextStyle& style) {
  QFont font = dialogFont(style.font, style.size);
  if (widget.font().bold() || style.bold) font.setBold(true);
  if (widget.font().italic() || style.italic) font.setItalic(true);
  widget.setFont(font);
  if (reach == StyleReach::Font) return;

  // An input field colours its base; anything else the window behind it.
  const bool field = reach == StyleReach::FieldColours;
  QPalette palette = widget.palette();
  const QColor face = toQColor(style.background);
  const QColor text = toQColor(style.foreground);
  palette.setColor(field ? QPalette::Base : QPalette::Window, face);
  palette.setColor(field ? QPalette::Text : QPalette::WindowText, text);
  if (!field) palette.setColor(QPalette::ButtonText, text);
  widget.setPalette(palette);
  if (!field) widget.setAutoFillBackground(true);

  if (reach != StyleReach::All) return;
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (style.alignment == core::Alignment::Right) horizontal = Qt::AlignRight;
    if (style.alignment == core::Alignment::Centre) horizontal = Qt::AlignHCenter;
    label->setAlignment(horizontal | Qt::AlignTop);
  }
}

}  // namespace quillan::dialog
