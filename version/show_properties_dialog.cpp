#include "version/show_properties_dialog.h"

#include <QDialog>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "version/properties_dialog.h"

#ifdef Q_OS_WIN
#include <QDir>
#include <string>

// windows.h must come before shellapi.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace {

// The sheet runs by itself; the shell is asked for no error box, so a
// missing file shows nothing.
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
#endif

bool mostrarPropiedades(const QString& path, QWidget* owner) {
#ifdef Q_OS_WIN
  return shellProperties(path, owner);
#else
  return showProperties(path, owner, askSessionFileManager);
#endif
}

bool showProperties(const QString& path, QWidget* owner, const FileManagerRequest& fileManager) {
  if (!QFileInfo(path).isFile()) return false;
  fileManager(path, owner, [path, window = QPointer<QWidget>(owner), owned = owner != nullptr](bool shown) {
    // A window closed meanwhile gets no sheet.
    if (shown || (owned && !window)) return;
    std::unique_ptr<QDialog> dialog = buildPropertiesDialog(path, window);
    // The file may have gone meanwhile.
    if (!dialog) return;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog.release()->show();
  });
  return true;
}
