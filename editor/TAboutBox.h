// The about box: a picture, the program's name and version, credits and
// where updates come from. Fixed size, centred on the screen.
#pragma once

#include <QDialog>

namespace quillan::editor {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // The picture, drawn rather than shipped so that the program carries no
  // image files of unclear origin.
  static QPixmap picture(int size);

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace quillan::editor
