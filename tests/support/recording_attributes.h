#pragma once
// FileAttributes double: records every change it makes and, like the real
// one, refuses a file that is not on disk. Nothing on disk is changed.
#include <QString>
#include <QVector>
#include <optional>

#include "app/platform/file_attributes.h"
#include "app/platform/runtime_error.h"

struct AttributeChange {
  QString path;
  FileAttribute attribute;
  bool operator==(const AttributeChange& other) const {
    return path == other.path && attribute == other.attribute;
  }
};

class RecordingAttributes : public FileAttributes {
 public:
  // A missing file throws RuntimeError 53 and is not recorded.
  void set(const QString& path, FileAttribute attribute) override {
    if (!exists(path)) throw RuntimeError(ErrorNumber::FileNotFound);
    changes_.push_back({path, attribute});
  }
  bool exists(const QString& path) const override { return SystemFileAttributes().exists(path); }

  const QVector<AttributeChange>& changes() const { return changes_; }
  // The attribute last given to path, if any.
  std::optional<FileAttribute> current(const QString& path) const {
    for (auto it = changes_.crbegin(); it != changes_.crend(); ++it)
      if (it->path == path) return it->attribute;
    return std::nullopt;
  }
  void forget() { changes_.clear(); }

 private:
  QVector<AttributeChange> changes_;
};
