// The open-file and folder dialogs of FILEDLG and DIRDLG, owned by the
// script's dialog window, and the filter text they are given.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

class QWidget;

namespace quillan::dialog {

// Pairs of description and pattern separated by "|" ("Texts|*.txt;*.log")
// as Qt's name filters ("Texts (*.txt *.log)"). A description that already
// ends in a parenthesised part loses it for the patterns; "*.*" (any file,
// with or without a dot here) becomes "*"; a description without a pattern
// matches every file.
QStringList nameFilters(std::string_view filter);

// True when a file was chosen; path is then its full name.
bool chooseFileIn(QWidget* owner, std::string_view filter, std::string_view title, std::string& path);
// True when a folder was chosen; path is then its full name.
bool chooseDirectoryIn(QWidget* owner, std::string_view title, std::string& path);

}  // namespace quillan::dialog
