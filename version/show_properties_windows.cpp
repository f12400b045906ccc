// windows.h must come before shellapi.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <QDir>
#include <QWidget>
#include <string>

#include "version/show_properties_dialog.h"

namespace {

// The sheet runs by itself; the shell is asked for no error box. It answers
// at once whether it will show the sheet.
bool shellProperties(const QString& path, QWidget* owner) {
  const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;  // 0x44C
  info.hwnd = owner ? reinterpret_cast<HWND>(owner->winId()) : nullptr;
  info.lpVerb = L"properties";
  info.lpFile = file.c_str();
  info.nShow = 0;
  const bool shown = ShellExecuteExW(&info) != FALSE;
  if (info.hProcess) CloseHandle(info.hProcess);
  return shown;
}

}  // namespace

bool mostrarPropiedades(const QString& path, QWidget* owner) {
  return showProperties(path, owner, [](const QString& file, QObject* context, const FileManagerAnswer& answered) {
    answered(shellProperties(file, qobject_cast<QWidget*>(context)));
  });
}
