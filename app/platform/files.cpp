#include "app/platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "app/platform/runtime_error.h"

using namespace ErrorNumber;

namespace {

// A file the program is about to use must be there: a folder in its place,
// a missing folder and a missing file each have their own number.
void requireFile(const QFileInfo& info) {
  if (info.isDir()) throw RuntimeError(PathFileAccess);
  if (!info.absoluteDir().exists()) throw RuntimeError(PathNotFound);
  if (!info.exists()) throw RuntimeError(FileNotFound);
}

// The read-only attribute is kept as the original platform keeps it, even
// where the system would let the owner replace or remove the file anyway (as
// it lets the administrator): a read-only file, or one in a read-only folder,
// is not rewritten.
void requireWritable(const QFileInfo& info) {
  const auto readOnly = [](const QFileInfo& entry) {
    return entry.exists() && !(entry.permissions() & QFileDevice::WriteOwner);
  };
  if (readOnly(info) || readOnly(QFileInfo(info.absolutePath()))) throw RuntimeError(PermissionDenied);
}

void openForReading(QFile& file, QIODevice::OpenMode mode = QIODevice::ReadOnly) {
  const QFileInfo info(file.fileName());
  requireFile(info);
  if (!file.open(mode)) throw RuntimeError(info.isReadable() ? PathFileAccess : PermissionDenied);
}

QByteArray readChecked(QFile& file, qint64 length) {
  QByteArray bytes = file.read(length);
  if (file.error() != QFileDevice::NoError) throw RuntimeError(DeviceIo);
  return bytes;
}

}  // namespace

QByteArray readFileBytes(const QString& path) {
  QFile file(path);
  openForReading(file);
  return readChecked(file, file.size());
}

QByteArray readFileBytes(const QString& path, qint64 offset, qint64 length) {
  if (offset < 0 || length < 0) throw RuntimeError(InvalidCall);
  QFile file(path);
  openForReading(file);
  if (offset >= file.size()) return QByteArray();
  if (!file.seek(offset)) throw RuntimeError(DeviceIo);
  return readChecked(file, qMin(length, file.size() - offset));
}

void openFileForBlockReading(QFile& file) {
  openForReading(file, QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 fileLength(const QString& path) {
  QFile file(path);
  openForReading(file);
  return file.size();
}

void writeFileAtomically(const QString& path, const QByteArray& data) {
  const QFileInfo info(path);
  if (info.isDir()) throw RuntimeError(PathFileAccess);
  if (!info.absoluteDir().exists()) throw RuntimeError(PathNotFound);
  requireWritable(info);
  // An uncommitted QSaveFile removes its temporary file, so a failure leaves
  // the folder as it was.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    throw RuntimeError(QFileInfo(info.absolutePath()).isWritable() ? PathFileAccess : PermissionDenied);
  errno = 0;
  if (file.write(data) != data.size() || !file.commit())
    throw RuntimeError(errno == ENOSPC ? DiskFull : DeviceIo);
}

void deleteFile(const QString& path) {
  const QFileInfo info(path);
  requireFile(info);
  requireWritable(info);
  if (!QFile::remove(path))
    throw RuntimeError(QFileInfo(info.absolutePath()).isWritable() ? PathFileAccess : PermissionDenied);
}
