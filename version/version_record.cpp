#include "version/version_record.h"

#include <algorithm>

#include "version/little_endian.h"

namespace {

constexpr std::size_t headerBytes = 6;  // wLength, wValueLength, wType
constexpr std::uint16_t textType = 1;

std::size_t align4(std::size_t offset) {
  return (offset + 3) & ~std::size_t{3};
}

struct Block {
  std::size_t end = 0;
  std::size_t keyStart = 0;
  std::size_t keyChars = 0;
  VersionValue value;
  std::size_t childrenStart = 0;
};

class RecordReader {
 public:
  explicit RecordReader(const VersionRecord& record) : record_(record), in_(record.data(), record.size()) {}

  // The block at `offset`, which must end by `limit`.
  std::optional<Block> block(std::size_t offset, std::size_t limit) {
    if (limit > record_.size() || offset > limit || limit - offset < headerBytes) return std::nullopt;
    const std::size_t length = in_.u16(offset);
    const std::size_t valueLength = in_.u16(offset + 2);
    const bool text = in_.u16(offset + 4) == textType;
    if (length < headerBytes || length > limit - offset) return std::nullopt;

    Block b;
    b.end = offset + length;
    b.keyStart = offset + headerBytes;
    std::size_t k = b.keyStart;
    while (k + 2 <= b.end && in_.u16(k) != 0) k += 2;
    if (k + 2 > b.end) return std::nullopt;  // key without its terminating zero
    b.keyChars = (k - b.keyStart) / 2;

    const std::size_t valueStart = std::min(align4(k + 2), b.end);
    b.value.text = text;
    b.value.bytes = std::min(text ? valueLength * 2 : valueLength, b.end - valueStart);
    b.value.data = record_.data() + valueStart;
    b.childrenStart = std::min(align4(valueStart + b.value.bytes), b.end);
    return b;
  }

  std::optional<Block> root() { return block(0, record_.size()); }

  // Calls `f` on each child of `parent` until it returns true or a child is
  // malformed; the child `f` stopped on, if any.
  template <typename F>
  std::optional<Block> findChild(const Block& parent, F f) {
    for (std::size_t offset = parent.childrenStart; offset < parent.end;) {
      const std::optional<Block> child = block(offset, parent.end);
      if (!child) break;
      if (f(*child)) return child;
      offset = align4(child->end);
    }
    return std::nullopt;
  }

  bool keyIs(const Block& b, std::string_view key) {
    if (b.keyChars != key.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i)
      if (lowerAscii(in_.u16(b.keyStart + 2 * i)) != lowerAscii(static_cast<unsigned char>(key[i])))
        return false;
    return true;
  }

  std::u16string key(const Block& b) {
    std::u16string k;
    for (std::size_t i = 0; i < b.keyChars; ++i) k += static_cast<char16_t>(in_.u16(b.keyStart + 2 * i));
    return k;
  }

  std::optional<Block> find(std::string_view path) {
    std::optional<Block> at = root();
    while (at && !path.empty()) {
      const std::size_t separator = path.find('\\');
      const std::string_view key = path.substr(0, separator);
      path = separator == std::string_view::npos ? std::string_view() : path.substr(separator + 1);
      if (!key.empty()) at = findChild(*at, [&](const Block& child) { return keyIs(child, key); });
    }
    return at;
  }

 private:
  static unsigned lowerAscii(unsigned c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

  const VersionRecord& record_;
  LittleEndianReader in_;
};

}  // namespace

std::optional<VersionValue> queryVersionValue(const VersionRecord& record, std::string_view path) {
  const std::optional<Block> b = RecordReader(record).find(path);
  if (!b) return std::nullopt;
  return b->value;
}

std::vector<VersionEntry> versionChildren(const VersionRecord& record, std::string_view path) {
  RecordReader reader(record);
  std::vector<VersionEntry> entries;
  if (const std::optional<Block> parent = reader.find(path)) {
    reader.findChild(*parent, [&](const Block& child) {
      entries.push_back({reader.key(child), child.value});
      return false;
    });
  }
  return entries;
}

std::u16string versionText(const VersionValue& value) {
  LittleEndianReader in(value.data, value.bytes);
  std::u16string text;
  for (std::size_t i = 0; in.contains(i, 2); i += 2) {
    const char16_t c = static_cast<char16_t>(in.u16(i));
    if (c == 0) break;
    text += c;
  }
  return text;
}

std::string translationKey(const VersionValue& translations) {
  if (translations.bytes < 4) return {};
  static const char digits[] = "0123456789ABCDEF";
  std::string key;
  for (const std::size_t i : {1, 0, 3, 2}) {
    key += digits[translations.data[i] >> 4];
    key += digits[translations.data[i] & 0xF];
  }
  return key;
}
