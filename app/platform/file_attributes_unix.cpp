#include <QFile>
#include <QFileInfo>

#include "app/platform/file_attributes.h"
#include "app/platform/runtime_error.h"

// There is no hidden flag here: hiding a file means a leading dot in its
// name, and renaming the file would lose it for the program. Read-only is
// the absence of every write permission.
void SystemFileAttributes::set(const QString& path, FileAttribute attribute) {
  if (!exists(path)) throw RuntimeError(ErrorNumber::FileNotFound);
  constexpr QFile::Permissions kWrite =
      QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
  const QFile::Permissions old = QFile::permissions(path);
  const QFile::Permissions wanted =
      attribute == FileAttribute::Normal ? old | QFile::ReadOwner | QFile::WriteOwner : old & ~kWrite;
  if (!QFile::setPermissions(path, wanted)) throw RuntimeError(ErrorNumber::PermissionDenied);
}

bool SystemFileAttributes::exists(const QString& path) const {
  return !path.isEmpty() && QFileInfo::exists(path);
}
