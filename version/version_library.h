#pragma once
// What the version record reader asks of the system: on Windows its own
// services (GetFullPathNameA, GetFileVersionInfoSizeA, GetFileVersionInfoA,
// VerQueryValueA); elsewhere the program's equivalents, reading the record
// the build puts in the program file.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The full path of `name`, a relative one taken against the current folder;
// empty when there is none of at most 259 characters.
QString versionFullPathName(const QString& name);

// One file's version record as the version library hands it out.
class VersionLibraryRecord {
 public:
  // Nothing when the file is missing, unreadable or has no record.
  static std::optional<VersionLibraryRecord> read(const QString& fullPath);

  // The value at `subBlock` ("\VarFileInfo\Translation"); nothing when the
  // query fails or reports a length of 0.
  std::optional<QByteArray> value(const std::string& subBlock) const;
  // The zero-terminated text at `subBlock`, under the same rule.
  std::optional<QString> text(const std::string& subBlock) const;

 private:
  explicit VersionLibraryRecord(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  std::vector<std::uint8_t> bytes_;
};
