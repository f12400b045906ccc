#pragma once
// The version record of a program file: the version resource of a Windows
// program (PE), or the ".tiqueron_version" section where the build puts the
// same record in a Linux program (ELF).
#include <QList>
#include <QPair>
#include <QString>
#include <optional>
#include <string>

#include "version/version_record.h"

// The section of an ELF program file that holds its version record.
inline constexpr char versionSectionName[] = ".tiqueron_version";

// The size of the file's version record in bytes; 0 when the file is
// missing, unreadable or has no record.
quint32 fileVersionInfoSize(const QString& path);

// The file's version record, `size` bytes (what the record lacks is zero);
// nothing when the file has no record.
std::optional<VersionRecord> fileVersionInfo(const QString& path, quint32 size);

// A file's record with the path of its string table in the record's first
// translation ("\StringFileInfo\0C0A04B0\"); nothing when the file has no
// record or the record no translation.
struct TranslatedRecord {
  VersionRecord record;
  std::string tablePath;
};
std::optional<TranslatedRecord> readTranslatedRecord(const QString& path);

// The key and text of each entry of that string table, in record order.
QList<QPair<QString, QString>> fileVersionStrings(const QString& path);
