#include <QCoreApplication>

#include "app/program_folder.h"

// Upper case would name another folder here.
QString runningProgramFolder() {
  return programFolder(QCoreApplication::applicationDirPath(), false);
}
