#pragma once
// A temporary program folder, removed afterwards (read-only files too).
#include <QByteArray>
#include <QTemporaryDir>

class TempFolder {
 public:
  ~TempFolder();
  // The folder with one trailing separator, as rutaPrograma is.
  QString path() const;
  QString file(const QString& name) const { return path() + name; }
  void write(const QString& name, const QByteArray& bytes) const;
  QByteArray read(const QString& name) const;
  // Removes the file even when read-only, as Windows keeps a read-only file.
  void remove(const QString& name) const;

 private:
  QTemporaryDir dir_;
};
