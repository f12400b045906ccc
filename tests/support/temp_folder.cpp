#include "tests/support/temp_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

TempFolder::~TempFolder() {
  QDirIterator it(dir_.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::WriteOwner);
}

QString TempFolder::path() const { return QDir::toNativeSeparators(dir_.path()) + QDir::separator(); }

void TempFolder::write(const QString& name, const QByteArray& bytes) const {
  QFile f(file(name));
  if (f.exists()) f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(file(name)));
  f.write(bytes);
}

QByteArray TempFolder::read(const QString& name) const {
  QFile f(file(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TempFolder::remove(const QString& name) const {
  QFile::setPermissions(file(name), QFile::ReadOwner | QFile::WriteOwner);
  QFile::remove(file(name));
}
