#include <windows.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "tests/support/tool_path.h"

// Under Wine the tools are the build machine's programs, which know no drive
// letters: Wine names the file as that machine does.
QString toolPath(const QString& path) {
  const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  using UnixName = char* (*)(const wchar_t*);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixName) return native;
  const std::wstring wide = native.toStdWString();
  char* name = unixName(wide.c_str());
  if (!name) return native;
  const QString result = QString::fromLocal8Bit(name);
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

static QString shellQuoted(QString word) {
  return "'" + word.replace("'", R"('\'')") + "'";
}

// Wine starts a program of the build machine without a handle to wait on or
// pipes to read, so the tool runs from a shell script that leaves its output
// and then its exit code in files, and the test waits for the last one.
QByteArray runTool(const QString& program, const QStringList& arguments) {
  QTemporaryDir dir;
  const QString out = toolPath(dir.filePath("out")), err = toolPath(dir.filePath("err"));
  const QString code = toolPath(dir.filePath("code"));
  QString command = shellQuoted(program);
  for (const QString& argument : arguments) command += ' ' + shellQuoted(argument);
  QFile script(dir.filePath("run.sh"));
  if (!script.open(QIODevice::WriteOnly)) return QByteArray();
  script.write(QString("%1 >%2 2>%3; echo $? >%4.part; mv %4.part %4\n")
                   .arg(command, shellQuoted(out), shellQuoted(err), shellQuoted(code))
                   .toLocal8Bit());
  script.close();
  if (!QProcess::startDetached("sh", {toolPath(script.fileName())})) {
    qWarning("%s could not start", qPrintable(program));
    return QByteArray();
  }
  const QDeadlineTimer deadline(120000);
  QFile done(dir.filePath("code"));
  while (!done.exists() && !deadline.hasExpired()) QThread::msleep(10);
  QFile output(dir.filePath("out")), errors(dir.filePath("err"));
  if (done.open(QIODevice::ReadOnly) && done.readAll().trimmed() == "0" && output.open(QIODevice::ReadOnly))
    return output.readAll();
  errors.open(QIODevice::ReadOnly);
  qWarning("%s failed: %s", qPrintable(program), errors.readAll().constData());
  return QByteArray();
}
