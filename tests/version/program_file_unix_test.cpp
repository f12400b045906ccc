#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>

#include "version/version_label.h"

TEST(ProgramFile, IsTheFileTheProgramRunsFrom) {
  EXPECT_EQ(programFile("/carpeta/"),
            "/carpeta/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}
