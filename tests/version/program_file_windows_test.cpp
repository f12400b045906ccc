// The version and properties of the program file through Windows' own
// services: the version library and the shell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
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

// The shell's sheet, or where the shell refuses, the program's own window.
TEST(ProgramFile, CreditosShowsThePropertiesOfTheProgramFile) {
  QWidget owner;
  ASSERT_TRUE(mostrarPropiedades(QStringLiteral(TIQUERON_EXE), &owner));
  QCoreApplication::processEvents();
  const QList<QDialog*> own = owner.findChildren<QDialog*>();
  std::cout << (own.isEmpty() ? "shown by the shell\n" : "shown by the program's own window\n");
  for (QDialog* dialog : own) EXPECT_TRUE(dialog->isVisible());
}
