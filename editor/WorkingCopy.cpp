#include "editor/WorkingCopy.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace quillan::editor {
namespace {

bool readWhole(const QString& path, QByteArray* bytes, QString* error) {
  QFile source(path);
  if (!source.open(QIODevice::ReadOnly)) {
    if (error) *error = path + ": " + source.errorString();
    return false;
  }
  *bytes = source.readAll();
  if (source.error() != QFileDevice::NoError) {
    if (error) *error = path + ": " + source.errorString();
    return false;
  }
  return true;
}

// The user's file: QSaveFile writes beside it and renames only on commit,
// follows a symbolic link to the real file and keeps its permissions.
bool replaceUserFile(const QByteArray& bytes, const QString& to, QString* error) {
  QSaveFile target(to);
  target.setDirectWriteFallback(false);
  if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() || !target.commit()) {
    if (error) *error = to + ": " + target.errorString();
    target.cancelWriting();
    return false;
  }
  return true;
}

// Our own file: renamed into place without following whatever the name
// points to, so a link planted under that name in a shared directory
// cannot make us overwrite the file it points to.
bool replaceOwnFile(const QByteArray& bytes, const QString& to, QString* error) {
  QTemporaryFile temp(to + ".XXXXXX");
  const bool written = temp.open() && temp.write(bytes) == bytes.size() && temp.flush() && ::fsync(temp.handle()) == 0;
  if (!written || ::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(to).constData()) != 0) {
    if (error) *error = to + ": " + (written ? QString::fromLocal8Bit(std::strerror(errno)) : temp.errorString());
    return false;
  }
  temp.setAutoRemove(false);
  return true;
}

}  // namespace

WorkingCopy::WorkingCopy(const QString& directory)
    : path_(QDir(directory).absoluteFilePath(kWorkingCopyName)),
      lock_(QFile::encodeName(QDir(directory).absoluteFilePath(kWorkingCopyLockName)).toStdString()) {}

bool WorkingCopy::claim() { return lock_.tryAcquire(); }

bool WorkingCopy::copyIn(const QString& rulesFile, QString* error, QByteArray* copied) {
  QByteArray bytes;
  if (!readWhole(rulesFile, &bytes, error) || !replaceOwnFile(bytes, path_, error)) return false;
  if (copied) *copied = std::move(bytes);
  return true;
}

bool WorkingCopy::copyOut(const QString& target, QString* error) const {
  QByteArray bytes;
  return readWhole(path_, &bytes, error) && replaceUserFile(bytes, target, error);
}

void WorkingCopy::discard() {
  if (!lock_.tryAcquire()) return;
  QFile::remove(path_);
  lock_.release();
}

}  // namespace quillan::editor
