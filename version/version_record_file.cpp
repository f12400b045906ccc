#include "version/version_record_file.h"

#include <algorithm>

#include "version/binary_file.h"
#include "version/elf_section.h"
#include "version/pe_version_resource.h"

namespace {

// A record's lengths are 16-bit: anything a resource holds past that is not
// part of it.
constexpr quint64 largestRecord = 0xFFFF;

std::optional<FileRange> locateRecord(BinaryFile& file) {
  std::optional<FileRange> range = peVersionResource(file);
  if (!range) range = elfSection(file, versionSectionName);
  if (!range || range->size == 0) return std::nullopt;
  range->size = std::min(range->size, largestRecord);
  return range;
}

}  // namespace

quint32 fileVersionInfoSize(const QString& path) {
  BinaryFile file(path);
  const std::optional<FileRange> range = locateRecord(file);
  return range ? static_cast<quint32>(range->size) : 0;
}

std::optional<VersionRecord> fileVersionInfo(const QString& path, quint32 size) {
  BinaryFile file(path);
  std::optional<FileRange> range = locateRecord(file);
  if (!range) return std::nullopt;
  range->size = std::min<quint64>(range->size, size);
  const std::optional<QByteArray> bytes = file.read(*range);
  if (!bytes) return std::nullopt;
  VersionRecord record(size, 0);
  std::copy(bytes->cbegin(), bytes->cend(), record.begin());
  return record;
}

std::optional<TranslatedRecord> readTranslatedRecord(const QString& path) {
  const quint32 size = fileVersionInfoSize(path);
  if (size == 0) return std::nullopt;
  std::optional<VersionRecord> record = fileVersionInfo(path, size);
  if (!record) return std::nullopt;
  const std::optional<VersionValue> translations = queryVersionValue(*record, "\\VarFileInfo\\Translation");
  if (!translations || translations->length() == 0) return std::nullopt;
  const std::string translation = translationKey(*translations);
  if (translation.empty()) return std::nullopt;
  return TranslatedRecord{std::move(*record), "\\StringFileInfo\\" + translation + "\\"};
}

QList<QPair<QString, QString>> fileVersionStrings(const QString& path) {
  QList<QPair<QString, QString>> strings;
  if (const std::optional<TranslatedRecord> r = readTranslatedRecord(path)) {
    for (const VersionEntry& entry : versionChildren(r->record, r->tablePath))
      strings.append(
          {QString::fromStdU16String(entry.key), QString::fromStdU16String(versionText(entry.value))});
  }
  return strings;
}
