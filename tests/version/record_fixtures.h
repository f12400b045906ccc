#pragma once
// Program files made by the tests around a version record: a minimal Windows
// program (DOS header, PE headers, one ".rsrc" section holding the version
// resource) and a minimal ELF file with named sections.
#include <QByteArray>
#include <QList>
#include <string>

#include "version/version_record.h"
#include "version/version_record_builder.h"

// A record built with the program's builder: one translation, one string table.
VersionRecordContents recordContents(std::u16string productVersion, std::uint32_t translation = 0x04B00C0A,
                                     std::u16string tableKey = u"0C0A04B0");
QByteArray recordBytes(const VersionRecordContents& contents);

enum class PeKind { Pe32, Pe32Plus };
QByteArray peFile(const QByteArray& record, PeKind kind);

struct ElfSection {
  QByteArray name;
  QByteArray data;
};
enum class ElfKind { Elf32, Elf64 };
QByteArray elfFile(const QList<ElfSection>& sections, ElfKind kind);
// An ELF file whose ".tiqueron_version" section holds `record`.
QByteArray elfWithRecord(const QByteArray& record, ElfKind kind = ElfKind::Elf64);
