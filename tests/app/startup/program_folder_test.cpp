#include "app/program_folder.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

TEST(ProgramFolder, KeepsTheSpellingUnlessCaseIsIgnoredAndEndsInOneSeparator) {
  // '/' stands for the native separator.
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"/home/ana/Apuestas", false, "/home/ana/Apuestas/"},
      {"/home/ana/Apuestas//", false, "/home/ana/Apuestas/"},
      {"/home/ana/Año", true, "/HOME/ANA/AÑO/"},
      {"/", false, "/"}};
  for (const auto& [dir, caseInsensitive, expected] : cases)
    EXPECT_EQ(programFolder(QString::fromUtf8(dir), caseInsensitive),
              QDir::toNativeSeparators(QString::fromUtf8(expected)));
}

// On Linux an upper-cased folder would name another, missing one.
TEST(RunningProgramFolder, NamesTheExistingFolderWithOneSeparator) {
  const QString folder = runningProgramFolder();
  EXPECT_TRUE(folder.endsWith(QDir::separator()) && !folder.endsWith(QString(2, QDir::separator())));
  EXPECT_TRUE(QDir(folder).exists()) << folder.toStdString();
}

}  // namespace
