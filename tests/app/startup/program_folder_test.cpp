#include <gtest/gtest.h>

#include <QDir>

#include "app/program_folder.h"

namespace {

struct FolderCase {
  const char* dir;
  bool caseInsensitive;
  const char* expected;  // with '/' standing for the native separator
};

class ProgramFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolderTest, KeepsOrUpperCasesAndEndsInOneSeparator) {
  const FolderCase c = GetParam();
  const QString expected = QDir::toNativeSeparators(QString::fromUtf8(c.expected));
  EXPECT_EQ(programFolder(QString::fromUtf8(c.dir), c.caseInsensitive), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProgramFolderTest,
    ::testing::Values(FolderCase{"/home/ana/Apuestas", false, "/home/ana/Apuestas/"},
                      FolderCase{"/home/ana/Apuestas/", false, "/home/ana/Apuestas/"},
                      FolderCase{"/home/ana/Apuestas//", false, "/home/ana/Apuestas/"},
                      FolderCase{"/home/ana/Año", true, "/HOME/ANA/AÑO/"},
                      FolderCase{"/", false, "/"}));

TEST(RunningProgramFolder, NamesAnExistingFolderOnThisSystem) {
  const QString folder = runningProgramFolder();
  EXPECT_TRUE(folder.endsWith(QDir::separator()));
  EXPECT_FALSE(folder.endsWith(QString(QDir::separator()) + QDir::separator()));
  EXPECT_TRUE(QDir(folder).exists()) << folder.toStdString();
}

}  // namespace
