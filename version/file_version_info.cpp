#include "version/file_version_info.h"

#include <QDir>
#include <optional>
#include <string>

#include "version/version_record_file.h"

namespace {

// The full path is made in a buffer of 260 characters, its terminating zero
// included.
constexpr qsizetype fullPathBuffer = 260;

QString fullPathName(const QString& name) {
  if (name.isEmpty()) return {};
  const QString full = QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(name)));
  return full.size() < fullPathBuffer ? full : QString();
}

void readString(const VersionRecord& record, const std::string& path, QString& field) {
  const std::optional<VersionValue> value = queryVersionValue(record, path);
  if (value && value->length() != 0) field = QString::fromStdU16String(versionText(*value));
}

}  // namespace

void CFileVersionInfo::FullPathName(const QString& name) {
  const QString full = fullPathName(name);
  if (full.isEmpty()) return;
  fullPath_ = full;
  Refresh();
}

void CFileVersionInfo::Refresh() {
  const std::optional<TranslatedRecord> r = readTranslatedRecord(fullPath_);
  if (!r) return;
  readString(r->record, r->tablePath + "ProductVersion", productVersion_);
  readString(r->record, r->tablePath + "FileVersion", fileVersion_);
  readString(r->record, r->tablePath + "ProductName", productName_);
}
