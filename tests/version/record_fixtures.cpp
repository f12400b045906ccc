#include "tests/version/record_fixtures.h"

#include <QtEndian>

#include "version/version_record_file.h"

namespace {

class Bytes {
 public:
  explicit Bytes(qsizetype size = 0) : data_(size, '\0') {}
  QByteArray& data() { return data_; }
  void u16(qsizetype at, quint16 v) { qToLittleEndian(v, data_.data() + at); }
  void u32(qsizetype at, quint32 v) { qToLittleEndian(v, data_.data() + at); }
  void u64(qsizetype at, quint64 v) { qToLittleEndian(v, data_.data() + at); }
  // Ends the data at a multiple of `alignment`; the new end.
  qsizetype align(qsizetype alignment) {
    while (data_.size() % alignment != 0) data_.append('\0');
    return data_.size();
  }

 private:
  QByteArray data_;
};

}  // namespace

VersionRecordContents recordContents(std::u16string productVersion, std::uint32_t translation,
                                     std::u16string tableKey) {
  VersionRecordContents c;
  c.stringTables = {{std::move(tableKey),
                     {{u"FileVersion", u"2.00.0007"},
                      {u"ProductName", u"Prueba"},
                      {u"ProductVersion", std::move(productVersion)}}}};
  c.translations = {translation};
  return c;
}

QByteArray recordBytes(const VersionRecordContents& contents) {
  const std::vector<std::uint8_t> record = buildVersionRecord(contents);
  return QByteArray(reinterpret_cast<const char*>(record.data()), static_cast<qsizetype>(record.size()));
}

QByteArray peFile(const QByteArray& record, PeKind kind) {
  constexpr quint32 pe = 0x40, rawStart = 0x200, rva = 0x1000;
  const bool plus = kind == PeKind::Pe32Plus;
  const quint16 optionalBytes = plus ? 240 : 224;  // with 16 data directories
  const quint32 directories = plus ? 112 : 96;

  // The resource tree: type 16 -> name 1 -> language 0x0C0A -> data entry.
  Bytes tree(0x58);
  const auto directory = [&](qsizetype at, quint32 id, quint32 target) {
    tree.u16(at + 14, 1);  // one entry with a numeric id
    tree.u32(at + 16, id);
    tree.u32(at + 20, target);
  };
  directory(0x00, 16, 0x80000018);
  directory(0x18, 1, 0x80000030);
  directory(0x30, 0x0C0A, 0x48);
  tree.u32(0x48, rva + 0x58);
  tree.u32(0x4C, static_cast<quint32>(record.size()));
  tree.data() += record;
  const quint32 resourceBytes = static_cast<quint32>(tree.align(4));

  Bytes file(rawStart);
  file.data()[0] = 'M';
  file.data()[1] = 'Z';
  file.u32(0x3C, pe);
  file.u32(pe, 0x00004550);
  file.u16(pe + 4, plus ? 0x8664 : 0x14C);
  file.u16(pe + 6, 1);  // sections
  file.u16(pe + 20, optionalBytes);
  const quint32 optional = pe + 24;
  file.u16(optional, plus ? 0x20B : 0x10B);
  file.u32(optional + directories - 4, 16);
  file.u32(optional + directories + 16, rva);
  file.u32(optional + directories + 20, resourceBytes);
  const quint32 section = optional + optionalBytes;
  file.data().replace(section, 5, ".rsrc");
  file.u32(section + 8, resourceBytes);
  file.u32(section + 12, rva);
  file.u32(section + 16, resourceBytes);
  file.u32(section + 20, rawStart);
  file.data() += tree.data();
  return file.data();
}

QByteArray elfFile(const QList<ElfSection>& sections, ElfKind kind) {
  const bool is64 = kind == ElfKind::Elf64;
  const qsizetype headerBytes = is64 ? 64 : 52, entryBytes = is64 ? 64 : 40;
  Bytes file(headerBytes);
  file.data().replace(0, 4,
                      "\x7F"
                      "ELF");
  file.data()[4] = is64 ? 2 : 1;
  file.data()[5] = 1;  // little-endian
  file.data()[6] = 1;
  file.u16(16, 2);  // executable
  file.u16(18, is64 ? 0x3E : 0x03);
  file.u32(20, 1);

  // Section 0 is the null section, then the names, then the given sections.
  QByteArray names("\0.shstrtab\0", 11);
  QList<QPair<quint32, ElfSection>> all{{1, {".shstrtab", names}}};
  for (const ElfSection& s : sections) {
    all.append({static_cast<quint32>(names.size()), s});
    names += s.name + '\0';
  }
  all[0].second.data = names;

  QList<qsizetype> offsets;
  for (const auto& [name, s] : all) {
    offsets.append(file.align(4));
    file.data() += s.data;
  }
  const qsizetype table = file.align(8);
  file.data().append((all.size() + 1) * entryBytes, '\0');
  for (qsizetype i = 0; i < all.size(); ++i) {
    const qsizetype at = table + (i + 1) * entryBytes;
    file.u32(at, all[i].first);
    file.u32(at + 4, i == 0 ? 3 : 1);  // SHT_STRTAB, SHT_PROGBITS
    if (is64) {
      file.u64(at + 24, static_cast<quint64>(offsets[i]));
      file.u64(at + 32, static_cast<quint64>(all[i].second.data.size()));
    } else {
      file.u32(at + 16, static_cast<quint32>(offsets[i]));
      file.u32(at + 20, static_cast<quint32>(all[i].second.data.size()));
    }
  }
  if (is64) {
    file.u64(0x28, static_cast<quint64>(table));
    file.u16(0x3A, static_cast<quint16>(entryBytes));
    file.u16(0x3C, static_cast<quint16>(all.size() + 1));
    file.u16(0x3E, 1);
  } else {
    file.u32(0x20, static_cast<quint32>(table));
    file.u16(0x2E, static_cast<quint16>(entryBytes));
    file.u16(0x30, static_cast<quint16>(all.size() + 1));
    file.u16(0x32, 1);
  }
  return file.data();
}

QByteArray elfWithRecord(const QByteArray& record, ElfKind kind) {
  return elfFile({{".text", QByteArray(16, '\x90')}, {versionSectionName, record}}, kind);
}
