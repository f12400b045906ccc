#include "version/file_version_info.h"

#include <optional>
#include <string>

#include "version/version_library.h"
#include "version/version_record.h"

namespace {

void readString(const VersionLibraryRecord& record, const std::string& path, QString& field) {
  if (std::optional<QString> text = record.text(path)) field = std::move(*text);
}

}  // namespace

void CFileVersionInfo::FullPathName(const QString& name) {
  const QString full = versionFullPathName(name);
  if (full.isEmpty()) return;
  fullPath_ = full;
  Refresh();
}

void CFileVersionInfo::Refresh() {
  const std::optional<VersionLibraryRecord> record = VersionLibraryRecord::read(fullPath_);
  if (!record) return;
  const std::optional<QByteArray> translations = record->value("\\VarFileInfo\\Translation");
  if (!translations) return;
  const std::string translation = translationKey(
      {reinterpret_cast<const std::uint8_t*>(translations->constData()), std::size_t(translations->size())});
  if (translation.empty()) return;
  const std::string table = "\\StringFileInfo\\" + translation + "\\";
  readString(*record, table + "ProductVersion", productVersion_);
  readString(*record, table + "FileVersion", fileVersion_);
  readString(*record, table + "ProductName", productName_);
}
