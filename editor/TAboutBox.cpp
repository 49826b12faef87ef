#include "editor/TAboutBox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "editor/EditorTexts.h"

#ifndef QUILLAN_VERSION
#define QUILLAN_VERSION "0"
#endif

namespace quillan::editor {

QPixmap TAboutBox::picture(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 100.0, size / 100.0);

  // A map sheet on a dusk sky, with a quill laid across it: editing the
  // rules of a battlefield.
  QLinearGradient sky(0, 0, 0, 100);
  sky.setColorAt(0, QColor(34, 52, 89));
  sky.setColorAt(1, QColor(190, 110, 60));
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRoundedRect(QRectF(2, 2, 96, 96), 12, 12);

  p.setBrush(QColor(236, 224, 190));
  p.setPen(QPen(QColor(90, 70, 40), 1.5));
  p.drawRect(QRectF(18, 22, 64, 56));
  p.setPen(QPen(QColor(150, 130, 90), 0.8));
  for (int x = 26; x < 82; x += 8) p.drawLine(QLineF(x, 22, x, 78));
  for (int y = 30; y < 78; y += 8) p.drawLine(QLineF(18, y, 82, y));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(170, 40, 40));
  p.drawEllipse(QPointF(42, 54), 4, 4);
  p.setBrush(QColor(40, 70, 160));
  p.drawEllipse(QPointF(66, 38), 4, 4);

  QPainterPath quill;
  quill.moveTo(88, 10);
  quill.cubicTo(70, 18, 52, 40, 34, 78);
  quill.cubicTo(50, 56, 74, 36, 88, 10);
  p.setBrush(QColor(250, 250, 245));
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.drawPath(quill);
  p.drawLine(QLineF(34, 78, 28, 90));
  return pixmap;
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("TAboutBox");
  setWindowTitle(texts::kAboutTitle);

  auto* layout = new QVBoxLayout(this);
  auto* image = new QLabel(this);
  image->setObjectName("Picture");
  image->setPixmap(picture(96));
  image->setAlignment(Qt::AlignCenter);
  layout->addWidget(image);

  auto addLine = [&](const QString& text, bool bold = false) {
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    if (bold) {
      QFont font = label->font();
      font.setBold(true);
      label->setFont(font);
    }
    layout->addWidget(label);
  };
  addLine(texts::kProgramTitle, true);
  addLine(QString(texts::kAboutVersion).arg(QUILLAN_VERSION));
  addLine(texts::kAboutAuthor);
  addLine(texts::kAboutArtist);
  addLine(texts::kAboutThanksHeading, true);
  addLine(texts::kAboutThanks);
  addLine(texts::kAboutUpdates);

  auto* ok = new QPushButton(texts::kOk, this);
  ok->setObjectName("OK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignCenter);

  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

}  // namespace quillan::editor
