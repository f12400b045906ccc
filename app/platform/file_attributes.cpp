#include "app/platform/file_attributes.h"

#include <QFile>
#include <QFileInfo>
#include <exception>

#include "app/platform/runtime_error.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <QDir>
#endif

void SystemFileAttributes::set(const QString& path, FileAttribute attribute) {
  if (!exists(path)) throw RuntimeError(ErrorNumber::FileNotFound);
#ifdef Q_OS_WIN
  const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
  const DWORD old = GetFileAttributesW(native.c_str());
  if (old == INVALID_FILE_ATTRIBUTES) throw RuntimeError(ErrorNumber::FileNotFound);
  // Only these flags may be passed back to SetFileAttributesW.
  DWORD flags = old & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                       FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY);
  if (attribute == FileAttribute::ReadOnlyHidden) flags |= FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  if (!SetFileAttributesW(native.c_str(), flags ? flags : FILE_ATTRIBUTE_NORMAL))
    throw RuntimeError(GetLastError() == ERROR_ACCESS_DENIED ? ErrorNumber::PermissionDenied
                                                             : ErrorNumber::PathFileAccess);
#else
  // There is no hidden flag here: hiding a file means a leading dot in its
  // name, and renaming the file would lose it for the program. Read-only is
  // the absence of every write permission.
  constexpr QFile::Permissions kWrite =
      QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
  const QFile::Permissions old = QFile::permissions(path);
  const QFile::Permissions wanted =
      attribute == FileAttribute::Normal ? old | QFile::ReadOwner | QFile::WriteOwner : old & ~kWrite;
  if (!QFile::setPermissions(path, wanted)) throw RuntimeError(ErrorNumber::PermissionDenied);
#endif
}

bool SystemFileAttributes::exists(const QString& path) const {
  return !path.isEmpty() && QFileInfo::exists(path);
}

void withNormalAttributes(FileAttributes& attributes, const QString& path,
                          const std::function<void()>& operation) {
  // A folder standing where the file should be is not the program's to change.
  const auto isFile = [&] { return attributes.exists(path) && !QFileInfo(path).isDir(); };
  if (isFile()) attributes.set(path, FileAttribute::Normal);
  std::exception_ptr failure;
  try {
    operation();
  } catch (...) {
    failure = std::current_exception();
  }
  if (isFile()) attributes.set(path, FileAttribute::ReadOnlyHidden);
  if (failure) std::rethrow_exception(failure);
}
