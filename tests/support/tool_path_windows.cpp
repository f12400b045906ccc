#include <windows.h>

#include <QDir>
#include <QFileInfo>

#include "tests/support/tool_path.h"

// Under Wine the tools are the build machine's programs, which know no drive
// letters: Wine names the file as that machine does.
QString toolPath(const QString& path) {
  const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  using UnixName = char* (*)(const wchar_t*);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixName) return native;
  const std::wstring wide = native.toStdWString();
  char* name = unixName(wide.c_str());
  if (!name) return native;
  const QString result = QString::fromLocal8Bit(name);
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}
