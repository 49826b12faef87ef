#include "editor/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "editor/Catalogue.h"
#include "editor/SectionForm.h"
#include "editor/TAboutBox.h"
#include "editor/TMainForm.h"

namespace quillan::editor {
namespace {

struct Shot {
  const char* file;
  std::string_view section;
};

// One entry per form; a vehicle shows the units form with most controls live.
constexpr Shot kShots[] = {
    {"editor-allunits.png", "2TNK"},     {"editor-weapon.png", "90mm"},
    {"editor-projectile.png", "Cannon"}, {"editor-difficulty.png", "Normal"},
    {"editor-iqsettings.png", "IQ"},     {"editor-multidefaults.png", "MultiplayerDefaults"},
};

bool save(QWidget& widget, const QDir& dir, const char* file) {
  widget.show();
  widget.raise();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  const bool saved = widget.grab().save(dir.filePath(file));
  QTextStream(stderr) << (saved ? "wrote " : "could not write ") << dir.filePath(file) << '\n';
  return saved;
}

QAction* actionNamed(const QList<QAction*>& actions, const QString& text) {
  for (QAction* action : actions) {
    if (action->text() == text) return action;
  }
  return nullptr;
}

// The main window alone is a bare menu bar; with the catalogue dropped down
// ("&Units" > "Ground " > "Tanks") a reader sees what the editor offers.
// Menus are windows of their own, so the picture is put together from each.
bool saveMainWithMenus(TMainForm& window, const QDir& dir, const char* file) {
  window.show();
  QApplication::processEvents();
  QAction* units = actionNamed(window.menuBar()->actions(), "&Units");
  if (!units || !units->menu()) return save(window, dir, file);
  window.menuBar()->setActiveAction(units);
  QApplication::processEvents();
  std::vector<QWidget*> layers = {&window, units->menu()};
  QMenu* menu = units->menu();
  for (const char* caption : {"Ground ", "Tanks"}) {
    QAction* item = actionNamed(menu->actions(), caption);
    if (!item || !item->menu()) break;
    menu->setActiveAction(item);
    item->menu()->popup(menu->mapToGlobal(menu->actionGeometry(item).topRight()));
    QApplication::processEvents();
    menu = item->menu();
    layers.push_back(menu);
  }
  for (int i = 0; i < 5; ++i) QApplication::processEvents();

  QRect area;
  for (QWidget* layer : layers) area |= QRect(layer->mapToGlobal(QPoint(0, 0)), layer->size());
  QPixmap shot(area.size());
  shot.fill(window.palette().color(QPalette::Mid));
  QPainter painter(&shot);
  for (QWidget* layer : layers) {
    painter.drawPixmap(layer->mapToGlobal(QPoint(0, 0)) - area.topLeft(), layer->grab());
  }
  painter.end();
  const bool saved = shot.save(dir.filePath(file));

  for (auto it = layers.rbegin(); it != layers.rend() - 1; ++it) (*it)->hide();
  window.menuBar()->setActiveAction(nullptr);
  QTextStream(stderr) << (saved ? "wrote " : "could not write ") << dir.filePath(file) << '\n';
  return saved;
}

}  // namespace

int takeScreenshots(TMainForm& window, const QString& directory) {
  QDir dir(directory);
  if (!dir.mkpath(".")) return 1;
  bool ok = saveMainWithMenus(window, dir, "editor-main.png");
  ok = save(window.aboutBox(), dir, "editor-about.png") && ok;
  window.aboutBox().hide();

  const auto entries = catalogueEntries();
  for (const Shot& shot : kShots) {
    const auto row =
        std::find_if(entries.begin(), entries.end(), [&](const CatalogueRow& r) { return r.section == shot.section; });
    if (row == entries.end()) return 1;
    window.chooseEntry(*row);
    SectionForm& form = window.form(row->form);
    ok = save(form, dir, shot.file) && ok;
    form.CancelClick();
  }
  window.close();
  return ok ? 0 : 1;
}

}  // namespace quillan::editor
