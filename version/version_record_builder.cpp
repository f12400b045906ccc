#include "version/version_record_builder.h"

#include <stdexcept>

namespace {

constexpr std::uint16_t binaryType = 0;
constexpr std::uint16_t textType = 1;
constexpr std::uint16_t fixedInfoBytes = 52;

class RecordWriter {
 public:
  void u16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void u32(std::uint32_t v) {
    u16(static_cast<std::uint16_t>(v));
    u16(static_cast<std::uint16_t>(v >> 16));
  }
  void zeroTerminated(const std::u16string& text) {
    for (const char16_t c : text) u16(c);
    u16(0);
  }

  // Starts a block at the next 32-bit boundary and writes its header and
  // key; the value follows aligned. The block's start, for `end`.
  std::size_t begin(const std::u16string& key, std::size_t valueLength, std::uint16_t type) {
    align();
    const std::size_t start = bytes_.size();
    u16(0);
    u16(checked(valueLength));
    u16(type);
    zeroTerminated(key);
    align();
    return start;
  }

  void end(std::size_t start) {
    const std::uint16_t length = checked(bytes_.size() - start);
    bytes_[start] = static_cast<std::uint8_t>(length);
    bytes_[start + 1] = static_cast<std::uint8_t>(length >> 8);
  }

  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  void align() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
  }
  static std::uint16_t checked(std::size_t length) {
    if (length > 0xFFFF) throw std::length_error("version record block too long");
    return static_cast<std::uint16_t>(length);
  }

  std::vector<std::uint8_t> bytes_;
};

std::uint32_t high(const std::array<std::uint16_t, 4>& v) {
  return std::uint32_t{v[0]} << 16 | v[1];
}
std::uint32_t low(const std::array<std::uint16_t, 4>& v) {
  return std::uint32_t{v[2]} << 16 | v[3];
}

void writeFixedInfo(RecordWriter& out, const VersionRecordContents& c) {
  out.u32(0xFEEF04BD);  // signature
  out.u32(0x00010000);  // structure version 1.0
  out.u32(high(c.fileVersion));
  out.u32(low(c.fileVersion));
  out.u32(high(c.productVersion));
  out.u32(low(c.productVersion));
  out.u32(0x3F);     // file flags mask
  out.u32(0);        // file flags
  out.u32(0x40004);  // VOS_NT_WINDOWS32
  out.u32(1);        // VFT_APP
  out.u32(0);        // subtype
  out.u32(0);        // date, high
  out.u32(0);        // date, low
}

std::u16string zeroPadded(unsigned value, std::size_t digits) {
  std::u16string text;
  for (const char c : std::to_string(value)) text += static_cast<char16_t>(c);
  if (text.size() < digits) text.insert(0, digits - text.size(), u'0');
  return text;
}

}  // namespace

std::vector<std::uint8_t> buildVersionRecord(const VersionRecordContents& contents) {
  RecordWriter out;
  const std::size_t root = out.begin(u"VS_VERSION_INFO", fixedInfoBytes, binaryType);
  writeFixedInfo(out, contents);
  if (!contents.stringTables.empty()) {
    const std::size_t fileInfo = out.begin(u"StringFileInfo", 0, textType);
    for (const VersionStringTable& table : contents.stringTables) {
      const std::size_t tableStart = out.begin(table.key, 0, textType);
      for (const auto& [key, value] : table.strings) {
        const std::size_t entry = out.begin(key, value.size() + 1, textType);
        out.zeroTerminated(value);
        out.end(entry);
      }
      out.end(tableStart);
    }
    out.end(fileInfo);
  }
  if (!contents.translations.empty()) {
    const std::size_t varInfo = out.begin(u"VarFileInfo", 0, textType);
    const std::size_t var = out.begin(u"Translation", 4 * contents.translations.size(), binaryType);
    for (const std::uint32_t translation : contents.translations) out.u32(translation);
    out.end(var);
    out.end(varInfo);
  }
  out.end(root);
  return out.take();
}

std::u16string productVersionText(unsigned major, unsigned minor, unsigned patch) {
  return zeroPadded(major, 1) + u'.' + zeroPadded(minor, 2) + u'.' + zeroPadded(patch, 4);
}

VersionRecordContents programVersionContents(unsigned major, unsigned minor, unsigned patch) {
  const std::u16string version = productVersionText(major, minor, patch);
  const std::array<std::uint16_t, 4> numbers{static_cast<std::uint16_t>(major),
                                             static_cast<std::uint16_t>(minor),
                                             static_cast<std::uint16_t>(patch), 0};
  VersionRecordContents c;
  c.fileVersion = numbers;
  c.productVersion = numbers;
  c.stringTables = {{u"0C0A04B0",
                     {{u"FileDescription", u"Imprime boletos de quinielas y loter\u00edas"},
                      {u"FileVersion", version},
                      {u"ProductName", u"Tiqueron"},
                      {u"ProductVersion", version}}}};
  c.translations = {0x04B0u << 16 | 0x0C0Au};  // Spanish (Spain), code page 1200
  return c;
}
