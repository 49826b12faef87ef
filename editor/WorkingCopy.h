// The private copy of the rules file that every form reads and writes:
// "rules.~ni" in the editor's directory. Open copies the user's file in, Save
// copies it back out, program exit deletes it. The user's file is never
// written except by a Save.
#pragma once

#include <QString>

#include "editor/FileLock.h"

namespace quillan::editor {

inline constexpr char kWorkingCopyName[] = "rules.~ni";
inline constexpr char kWorkingCopyLockName[] = "rules.~ni.lock";

class WorkingCopy {
 public:
  explicit WorkingCopy(const QString& directory);

  QString path() const { return path_; }

  // Takes the lock on the working copy unless this editor holds it already.
  // False when another editor in the same directory holds it: that one's
  // working copy must then be left alone.
  bool claim();
  bool claimed() const { return lock_.held(); }
  // At Close: lets another editor in the directory have the working copy.
  // The copy itself stays until program exit or the next Open.
  void release() { lock_.release(); }

  // Both copies write a temporary file beside the target and rename it over
  // the target, so a failure leaves the target as it was. On failure
  // `error` says why.
  // copyIn hands the bytes it copied to `copied` when asked.
  bool copyIn(const QString& rulesFile, QString* error, QByteArray* copied = nullptr);
  bool copyOut(const QString& target, QString* error) const;

  // At program exit: deletes the working copy (a missing one is fine)
  // unless another editor holds it, then lets go of the lock.
  void discard();

 private:
  QString path_;
  FileLock lock_;
};

}  // namespace quillan::editor
