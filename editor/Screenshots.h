// Pictures of the main window and of each form, for the documentation, so
// that a reader sees the editor before installing it.
#pragma once

#include <QString>

namespace quillan::editor {

class TMainForm;

// Saves editor-main.png, editor-about.png and one editor-<form>.png per form
// into `directory`, each form showing a typical section of the open file.
// Returns the process exit status.
int takeScreenshots(TMainForm& window, const QString& directory);

}  // namespace quillan::editor
