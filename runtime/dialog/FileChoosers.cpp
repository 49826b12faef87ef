#include "runtime/dialog/FileChoosers.h"

#include <QFileDialog>

#include "runtime/dialog/TextCodec.h"

namespace quillan::dialog {
namespace {

QString patternsOf(const QString& text) {
  QStringList patterns;
  for (QString pattern : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    pattern = pattern.trimmed();
    if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
    if (!pattern.isEmpty()) patterns << pattern;
  }
  return patterns.isEmpty() ? QStringLiteral("*") : patterns.join(QLatin1Char(' '));
}

// The description without a parenthesised part at its end: Qt puts the
// patterns there.
QString bareDescription(QString description) {
  description = description.trimmed();
  if (description.endsWith(QLatin1Char(')'))) {
    const qsizetype open = description.lastIndexOf(QLatin1Char('('));
    if (open > 0) description = description.left(open).trimmed();
  }
  return description;
}

}  // namespace

QStringList nameFilters(std::string_view filter) {
  const QStringList parts = toDisplay(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    if (i + 1 >= parts.size() && parts[i].trimmed().isEmpty()) break;  // a final "|"
    const QString patterns = i + 1 < parts.size() ? patternsOf(parts[i + 1]) : QStringLiteral("*");
    QString description = bareDescription(parts[i]);
    if (description.isEmpty()) description = patterns;
    filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  if (filters.isEmpty()) filters << QStringLiteral("* (*)");
  return filters;
}

bool chooseFileIn(QWidget* owner, std::string_view filter, std::string_view title, std::string& path) {
  const QString chosen =
      QFileDialog::getOpenFileName(owner, toDisplay(title), QString(), nameFilters(filter).join(QStringLiteral(";;")));
  if (chosen.isEmpty()) return false;
  path = fromDisplay(chosen);
  return true;
}

bool chooseDirectoryIn(QWidget* owner, std::string_view title, std::string& path) {
  const QString chosen = QFileDialog::getExistingDirectory(owner, toDisplay(title), QString());
  if (chosen.isEmpty()) return false;
  path = fromDisplay(chosen);
  return true;
}

}  // namespace quillan::dialog
