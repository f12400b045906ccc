#pragma once
// FileAttributes double: records changes without making them; like the real one, refuses a missing file.
#include <QVector>
#include <optional>

#include "app/platform/file_attributes.h"
#include "app/platform/runtime_error.h"

struct AttributeChange {
  QString path;
  FileAttribute attribute;
  bool operator==(const AttributeChange& o) const { return path == o.path && attribute == o.attribute; }
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
