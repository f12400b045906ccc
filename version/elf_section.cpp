#include "version/elf_section.h"

#include "version/little_endian.h"

namespace {

constexpr quint8 elf32 = 1;
constexpr quint8 elf64 = 2;
constexpr quint8 littleEndian = 1;
constexpr quint32 noBitsType = 8;          // SHT_NOBITS: no data in the file
constexpr quint16 extendedIndex = 0xFFFF;  // SHN_XINDEX

struct Layout {
  quint64 headerBytes, tableOffsetAt, entryBytesAt;
  quint64 sectionBytes, typeAt, offsetAt, sizeAt, linkAt;
  quint64 word;
};
constexpr Layout layout32{52, 0x20, 0x2E, 40, 4, 16, 20, 24, 4};
constexpr Layout layout64{64, 0x28, 0x3A, 64, 4, 24, 32, 40, 8};

struct SectionHeader {
  quint32 name;
  quint32 type;
  FileRange data;
  quint32 link;
};

class SectionTable {
 public:
  SectionTable(const QByteArray& bytes, const Layout& layout, quint64 entryBytes)
      : in_(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        layout_(layout),
        entryBytes_(entryBytes) {}

  quint64 count() const { return in_.size() / entryBytes_; }

  SectionHeader operator[](quint64 i) {
    const quint64 at = i * entryBytes_;
    return {in_.u32(at),
            in_.u32(at + layout_.typeAt),
            {word(at + layout_.offsetAt), word(at + layout_.sizeAt)},
            in_.u32(at + layout_.linkAt)};
  }

 private:
  quint64 word(quint64 at) { return layout_.word == 8 ? in_.u64(at) : in_.u32(at); }

  LittleEndianReader in_;
  const Layout& layout_;
  quint64 entryBytes_;
};

bool nameIs(const QByteArray& names, quint32 at, std::string_view name) {
  if (at >= static_cast<quint64>(names.size())) return false;
  const QByteArrayView rest = QByteArrayView(names).sliced(at);
  const qsizetype end = rest.indexOf('\0');
  if (end < 0) return false;
  return rest.first(end) == QByteArrayView(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

std::optional<FileRange> elfSection(BinaryFile& file, std::string_view name) {
  const std::optional<QByteArray> ident = file.read(0, 16);
  if (!ident ||
      !ident->startsWith("\x7F"
                         "ELF") ||
      ident->at(5) != littleEndian)
    return std::nullopt;
  const quint8 elfClass = static_cast<quint8>(ident->at(4));
  if (elfClass != elf32 && elfClass != elf64) return std::nullopt;
  const Layout& layout = elfClass == elf64 ? layout64 : layout32;

  const std::optional<QByteArray> header = file.read(0, layout.headerBytes);
  if (!header) return std::nullopt;
  LittleEndianReader in(header->constData(), static_cast<std::size_t>(header->size()));
  const quint64 tableOffset = layout.word == 8 ? in.u64(layout.tableOffsetAt) : in.u32(layout.tableOffsetAt);
  const quint64 entryBytes = in.u16(layout.entryBytesAt);
  quint64 count = in.u16(layout.entryBytesAt + 2);
  quint32 namesIndex = in.u16(layout.entryBytesAt + 4);
  if (tableOffset == 0 || entryBytes < layout.sectionBytes) return std::nullopt;

  // Very many sections: the count and the names' index are kept in section 0.
  if (count == 0 || namesIndex == extendedIndex) {
    const std::optional<QByteArray> first = file.read(tableOffset, entryBytes);
    if (!first) return std::nullopt;
    SectionHeader zero = SectionTable(*first, layout, entryBytes)[0];
    if (count == 0) count = zero.data.size;
    if (namesIndex == extendedIndex) namesIndex = zero.link;
  }
  if (count > file.size() / entryBytes) return std::nullopt;
  const std::optional<QByteArray> tableBytes = file.read(tableOffset, count * entryBytes);
  if (!tableBytes) return std::nullopt;
  SectionTable table(*tableBytes, layout, entryBytes);
  if (namesIndex >= table.count()) return std::nullopt;
  const SectionHeader namesSection = table[namesIndex];
  const std::optional<QByteArray> names =
      namesSection.type == noBitsType ? std::nullopt : file.read(namesSection.data);
  if (!names) return std::nullopt;

  for (quint64 i = 0; i < table.count(); ++i) {
    const SectionHeader section = table[i];
    if (section.type != noBitsType && nameIs(*names, section.name, name) &&
        file.contains(section.data.offset, section.data.size))
      return section.data;
  }
  return std::nullopt;
}
