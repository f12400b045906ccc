#pragma once
// The program folder: where the program file lies, and so where every file
// beside the program is looked for.
#include <QString>

// `applicationDir` with one trailing native separator. Upper-cased only where
// the file system ignores case (Windows): on Linux an upper-cased folder would
// name another, missing folder.
QString programFolder(const QString& applicationDir, bool caseInsensitiveFileSystem);

// The running program's folder by the rule of the platform it runs on.
QString runningProgramFolder();
