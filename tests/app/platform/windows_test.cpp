// The Windows side of the platform layer, run on Windows (or Wine): the
// program folder and the attributes of paths and files.
#include <gtest/gtest.h>
#include <windows.h>

#include <QCoreApplication>
#include <QDir>

#include "app/platform/file_attributes.h"
#include "app/platform/runtime_error.h"
#include "app/program_folder.h"
#include "tests/support/temp_folder.h"

namespace {

DWORD attributesOf(const QString& path) {
  return GetFileAttributesW(QDir::toNativeSeparators(path).toStdWString().c_str());
}

TEST(WindowsProgramFolder, IsTheProgramsFolderUpperCaseWithOneBackslash) {
  const QString folder = runningProgramFolder();
  EXPECT_EQ(folder, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toUpper() + '\\');
  EXPECT_EQ(attributesOf(folder) & FILE_ATTRIBUTE_DIRECTORY, DWORD(FILE_ATTRIBUTE_DIRECTORY));
}

TEST(WindowsFileAttributes, ExistOnDrivesFoldersAndFilesAndAreSetKeepingTheArchiveFlag) {
  const TempFolder folder;
  folder.write("configqp.cfg", "x");
  const QString file = folder.file("configqp.cfg");
  QString drive;  // a letter no drive answers to
  for (char letter = 'Z'; letter >= 'D' && drive.isEmpty(); --letter)
    if (!(GetLogicalDrives() & (1u << (letter - 'A'))))
      drive = QStringLiteral("%1:\\").arg(QLatin1Char(letter));
  ASSERT_FALSE(drive.isEmpty());
  SystemFileAttributes attributes;
  for (const auto& [path, exists] : {std::pair{QStringLiteral("C:\\"), true},
                                     {folder.path(), true},
                                     {folder.file("CONFIGQP.CFG"), true},
                                     {drive, false},
                                     {drive + "APUESTAS\\AD243", false},
                                     {"\\\\nadie\\nada\\AD243", false},
                                     {"", false}})
    EXPECT_EQ(attributes.exists(path), exists) << path.toStdString();

  constexpr DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
  SetFileAttributesW(QDir::toNativeSeparators(file).toStdWString().c_str(), FILE_ATTRIBUTE_ARCHIVE);
  attributes.set(file, FileAttribute::ReadOnlyHidden);
  EXPECT_EQ(attributesOf(file) & kept, kept);
  attributes.set(file, FileAttribute::Normal);
  EXPECT_EQ(attributesOf(file) & kept, DWORD(FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_THROW(attributes.set(folder.file("no_existe.cfg"), FileAttribute::Normal), RuntimeError);
}

}  // namespace
