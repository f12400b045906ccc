#pragma once
// A file read in pieces at byte offsets, each piece checked against the
// file's length; open for as long as the object lives.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

// A stretch of a file.
struct FileRange {
  quint64 offset = 0;
  quint64 size = 0;
};

class BinaryFile {
 public:
  explicit BinaryFile(const QString& path);

  bool isOpen() const { return file_.isOpen(); }
  quint64 size() const { return size_; }
  bool contains(quint64 offset, quint64 count) const { return offset <= size_ && count <= size_ - offset; }
  // Exactly `count` bytes from `offset`; nothing when the file holds fewer.
  std::optional<QByteArray> read(quint64 offset, quint64 count);
  std::optional<QByteArray> read(const FileRange& range) { return read(range.offset, range.size); }

 private:
  QFile file_;
  quint64 size_ = 0;
};
