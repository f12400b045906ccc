#include "version/binary_file.h"

#include <QFileInfo>

BinaryFile::BinaryFile(const QString& path) : file_(path) {
  if (QFileInfo(path).isFile() && file_.open(QIODevice::ReadOnly)) size_ = static_cast<quint64>(file_.size());
}

std::optional<QByteArray> BinaryFile::read(quint64 offset, quint64 count) {
  if (!isOpen() || !contains(offset, count) || !file_.seek(static_cast<qint64>(offset))) return std::nullopt;
  QByteArray bytes = file_.read(static_cast<qint64>(count));
  if (static_cast<quint64>(bytes.size()) != count) return std::nullopt;
  return bytes;
}
