#include "version/pe_version_resource.h"

#include <algorithm>
#include <vector>

#include "version/little_endian.h"

namespace {

constexpr quint16 dosMagic = 0x5A4D;     // "MZ"
constexpr quint32 peMagic = 0x00004550;  // "PE\0\0"
constexpr quint16 pe32Magic = 0x10B;
constexpr quint16 pe32PlusMagic = 0x20B;
constexpr quint32 resourceDirectory = 2;  // index among the data directories
constexpr quint32 versionType = 16;       // RT_VERSION
constexpr quint32 subdirectoryFlag = 0x80000000;
constexpr quint64 sectionHeaderBytes = 40;

struct Section {
  quint32 virtualAddress;
  quint32 rawSize;
  quint32 rawOffset;
};

// The file offset of `rva` and the bytes of its section from there on.
std::optional<FileRange> mapRva(const std::vector<Section>& sections, quint32 rva) {
  for (const Section& s : sections) {
    if (rva >= s.virtualAddress && rva - s.virtualAddress < s.rawSize) {
      const quint32 into = rva - s.virtualAddress;
      return FileRange{quint64{s.rawOffset} + into, quint64{s.rawSize} - into};
    }
  }
  return std::nullopt;
}

std::optional<std::vector<Section>> sectionTable(BinaryFile& file, quint64 offset, quint16 count) {
  const std::optional<QByteArray> table = file.read(offset, count * sectionHeaderBytes);
  if (!table) return std::nullopt;
  LittleEndianReader in(table->constData(), static_cast<std::size_t>(table->size()));
  std::vector<Section> sections;
  for (quint64 at = 0; at < static_cast<quint64>(table->size()); at += sectionHeaderBytes)
    sections.push_back({in.u32(at + 12), in.u32(at + 16), in.u32(at + 20)});
  return sections;
}

// One level of the resource tree: the offset (from the tree's start) an entry
// of the directory at `directory` points to; the entry with `id`, or the
// first entry when `id` is empty.
std::optional<quint32> resourceEntry(LittleEndianReader& tree, quint32 directory, std::optional<quint32> id) {
  const quint32 entries = quint32{tree.u16(directory + 12)} + tree.u16(directory + 14);
  for (quint32 i = 0; i < entries && !tree.failed(); ++i) {
    const quint64 entry = quint64{directory} + 16 + 8 * quint64{i};
    const quint32 name = tree.u32(entry);
    if (!id || name == *id) {
      const quint32 target = tree.u32(entry + 4);
      if (tree.failed()) break;
      return target;
    }
  }
  return std::nullopt;
}

std::optional<quint32> subdirectory(std::optional<quint32> target) {
  if (!target || !(*target & subdirectoryFlag)) return std::nullopt;
  return *target & ~subdirectoryFlag;
}

}  // namespace

std::optional<FileRange> peVersionResource(BinaryFile& file) {
  const std::optional<QByteArray> dos = file.read(0, 64);
  if (!dos) return std::nullopt;
  LittleEndianReader dosHeader(dos->constData(), 64);
  if (dosHeader.u16(0) != dosMagic) return std::nullopt;
  const quint64 pe = dosHeader.u32(0x3C);

  const std::optional<QByteArray> coff = file.read(pe, 24);
  if (!coff) return std::nullopt;
  LittleEndianReader coffHeader(coff->constData(), 24);
  if (coffHeader.u32(0) != peMagic) return std::nullopt;
  const quint16 sectionCount = coffHeader.u16(6);
  const quint16 optionalBytes = coffHeader.u16(20);

  const std::optional<QByteArray> optional = file.read(pe + 24, optionalBytes);
  if (!optional) return std::nullopt;
  LittleEndianReader optionalHeader(optional->constData(), optionalBytes);
  const quint16 magic = optionalHeader.u16(0);
  if (magic != pe32Magic && magic != pe32PlusMagic) return std::nullopt;
  const quint64 directories = magic == pe32Magic ? 96 : 112;
  if (optionalHeader.u32(directories - 4) <= resourceDirectory) return std::nullopt;
  const quint32 resourceRva = optionalHeader.u32(directories + 8 * resourceDirectory);
  if (optionalHeader.failed()) return std::nullopt;

  const std::optional<std::vector<Section>> sections =
      sectionTable(file, pe + 24 + optionalBytes, sectionCount);
  if (!sections) return std::nullopt;
  std::optional<FileRange> treeRange = mapRva(*sections, resourceRva);
  if (!treeRange || !file.contains(treeRange->offset, 0)) return std::nullopt;
  treeRange->size = std::min(treeRange->size, file.size() - treeRange->offset);
  const std::optional<QByteArray> treeBytes = file.read(*treeRange);
  if (!treeBytes) return std::nullopt;

  LittleEndianReader tree(treeBytes->constData(), static_cast<std::size_t>(treeBytes->size()));
  const std::optional<quint32> names = subdirectory(resourceEntry(tree, 0, versionType));
  if (!names) return std::nullopt;
  const std::optional<quint32> languages = subdirectory(resourceEntry(tree, *names, std::nullopt));
  if (!languages) return std::nullopt;
  const std::optional<quint32> data = resourceEntry(tree, *languages, std::nullopt);
  if (!data || (*data & subdirectoryFlag)) return std::nullopt;
  const quint32 dataRva = tree.u32(*data);
  const quint32 dataSize = tree.u32(quint64{*data} + 4);
  if (tree.failed()) return std::nullopt;

  const std::optional<FileRange> record = mapRva(*sections, dataRva);
  if (!record || dataSize > record->size || !file.contains(record->offset, dataSize)) return std::nullopt;
  return FileRange{record->offset, dataSize};
}
