#include <QCoreApplication>

#include "app/program_folder.h"

// The file system ignores case, and the program's folder is written upper case.
QString runningProgramFolder() {
  return programFolder(QCoreApplication::applicationDirPath(), true);
}
