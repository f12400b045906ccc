// The version and properties of the program file through Windows' own
// services: the version library and the shell.
#include <gtest/gtest.h>
#include <windows.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <cwchar>
#include <iostream>

#include "version/show_properties_dialog.h"
#include "version/version_label.h"

TEST(ProgramFile, IsTiqueronExeInTheProgramFolder) {
  EXPECT_EQ(programFile("C:\\APUESTAS\\"), "C:\\APUESTAS\\Tiqueron.exe");
}

// rutaPrograma is upper case; the file system ignores case.
TEST(ProgramFile, TheVersionLabelReadsTheRecordThroughAnUpperCaseFolder) {
  const QFileInfo exe(QStringLiteral(TIQUERON_EXE));
  const QString folder = QDir::toNativeSeparators(exe.absolutePath()).toUpper() + '\\';
  EXPECT_EQ(versionLabelText(programFile(folder)), versionLabelText(exe.absoluteFilePath()));
  EXPECT_NE(versionLabelText(programFile(folder)), "Ver.: ");
}

// A visible window of the system's whose title names `name`; none is 0.
HWND systemWindowNaming(const wchar_t* name) {
  struct Search {
    const wchar_t* name;
    HWND found;
  } search{name, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t title[512] = {};
        GetWindowTextW(window, title, 511);
        if (IsWindowVisible(window) && wcsstr(title, s->name)) s->found = window;
        return s->found == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The shell's sheet, or where the shell refuses, the program's own window:
// one of them, and only one, shows the file.
TEST(ProgramFile, CreditosShowsThePropertiesOfTheProgramFile) {
  QWidget owner;
  ASSERT_TRUE(mostrarPropiedades(QStringLiteral(TIQUERON_EXE), &owner));
  HWND sheet = nullptr;
  for (int wait = 0; wait < 50 && !sheet && owner.findChildren<QDialog*>().isEmpty(); ++wait) {
    QCoreApplication::processEvents();
    Sleep(100);
    sheet = systemWindowNaming(L"Tiqueron.exe");
  }
  const QList<QDialog*> own = owner.findChildren<QDialog*>();
  std::cout << (sheet ? "shown by the shell\n" : "shown by the program's own window\n");
  EXPECT_NE(sheet != nullptr, own.size() == 1);
  for (QDialog* dialog : own) EXPECT_TRUE(dialog->isVisible());
  if (sheet) PostMessageW(sheet, WM_CLOSE, 0, 0);
}
