#include <windows.h>

#include <QDir>
#include <string>

#include "app/platform/file_attributes.h"
#include "app/platform/runtime_error.h"

namespace {

std::wstring nativePath(const QString& path) {
  return QDir::toNativeSeparators(path).toStdWString();
}

}  // namespace

void SystemFileAttributes::set(const QString& path, FileAttribute attribute) {
  const std::wstring native = nativePath(path);
  const DWORD old = path.isEmpty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(native.c_str());
  if (old == INVALID_FILE_ATTRIBUTES) throw RuntimeError(ErrorNumber::FileNotFound);
  // Only these flags may be passed back to SetFileAttributesW.
  DWORD flags = old & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                       FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY);
  if (attribute == FileAttribute::ReadOnlyHidden) flags |= FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  if (!SetFileAttributesW(native.c_str(), flags ? flags : FILE_ATTRIBUTE_NORMAL))
    throw RuntimeError(GetLastError() == ERROR_ACCESS_DENIED ? ErrorNumber::PermissionDenied
                                                             : ErrorNumber::PathFileAccess);
}

// The attributes of a path on a missing or unready drive are an error like
// any other.
bool SystemFileAttributes::exists(const QString& path) const {
  if (path.isEmpty()) return false;
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  const bool found = GetFileAttributesW(nativePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  SetErrorMode(oldMode);
  return found;
}
