#pragma once
// What the start-up window shows of the program's version, and where the
// program file is.
#include <QString>

// "Ver.: " followed by the product version of `programFile`'s record;
// "Ver.: " alone when it has none.
QString versionLabelText(const QString& programFile);

// The running program's file in `rutaPrograma`: "Tiqueron.exe" on Windows,
// the executable's own name elsewhere.
QString programFile(const QString& rutaPrograma);
