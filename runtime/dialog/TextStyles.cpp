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

// The palette roles that colour the face of a kind and its text.
struct Roles {
  QPalette::ColorRole face;
  QPalette::ColorRole text;
};

Roles rolesOf(core::ElementKind kind) {
  switch (kind) {
    case core::ElementKind::Edit:
    case core::ElementKind::List:
    case core::ElementKind::Combo:
      return {QPalette::Base, QPalette::Text};
    default:
      return {QPalette::Window, QPalette::WindowText};
  }
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

void applyTextStyle(QWidget& widget, core::ElementKind kind, const core::TextStyle& style) {
  QFont font = dialogFont(style.font, style.size);
  if (widget.font().bold() || style.bold) font.setBold(true);
  if (widget.font().italic() || style.italic) font.setItalic(true);
  widget.setFont(font);
  if (kind == core::ElementKind::Button || kind == core::ElementKind::Status) return;

  const Roles roles = rolesOf(kind);
  QPalette palette = widget.palette();
  const QColor face = toQColor(style.background);
  const QColor text = toQColor(style.foreground);
  palette.setColor(roles.face, face);
  palette.setColor(roles.text, text);
  if (roles.face == QPalette::Window) palette.setColor(QPalette::ButtonText, text);
  widget.setPalette(palette);
  if (roles.face == QPalette::Window) widget.setAutoFillBackground(true);

  if (kind != core::ElementKind::Text) return;
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (style.alignment == core::Alignment::Right) horizontal = Qt::AlignRight;
    if (style.alignment == core::Alignment::Centre) horizontal = Qt::AlignHCenter;
    label->setAlignment(horizontal | Qt::AlignTop);
  }
}

}  // namespace quillan::dialog
