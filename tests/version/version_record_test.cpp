// The version record format: what the builder writes, what the reader finds
// in it, and that no damage makes the reader step outside the record.
#include "version/version_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "version/version_record_builder.h"

namespace {

const std::string productVersionPath = "\\StringFileInfo\\0C0A04B0\\ProductVersion";
const std::vector<std::string> paths{"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\0C0A04B0",
                                     productVersionPath, "\\StringFileInfo\\0C0A04B0\\FileDescription"};

VersionRecord programRecord() {
  return buildVersionRecord(programVersionContents(1, 0, 51));
}

std::u16string text(const VersionRecord& record, const std::string& path) {
  const std::optional<VersionValue> v = queryVersionValue(record, path);
  return v ? versionText(*v) : u"<none>";
}

// The offset of the block whose key is `key`.
std::size_t blockOf(const VersionRecord& record, const std::u16string& key) {
  std::vector<std::uint8_t> pattern;
  for (const char16_t c : key + u'\0') {
    pattern.push_back(static_cast<std::uint8_t>(c));
    pattern.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  const auto at = std::search(record.begin(), record.end(), pattern.begin(), pattern.end());
  EXPECT_NE(at, record.end());
  return static_cast<std::size_t>(at - record.begin()) - 6;
}

void put16(VersionRecord& record, std::size_t at, std::uint16_t v) {
  record[at] = static_cast<std::uint8_t>(v);
  record[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// Every query on any record: found values lie inside it.
void expectInside(const VersionRecord& record) {
  for (const std::string& path : paths) {
    if (const std::optional<VersionValue> v = queryVersionValue(record, path)) {
      ASSERT_GE(v->data, record.data());
      ASSERT_LE(v->data + v->bytes, record.data() + record.size());
      versionText(*v);
      translationKey(*v);
    }
  }
  for (const VersionEntry& e : versionChildren(record, "\\StringFileInfo\\0C0A04B0"))
    ASSERT_LE(e.value.data + e.value.bytes, record.data() + record.size());
}

TEST(VersionRecord, ProgramRecordHoldsSpanishTranslationAndProductVersion) {
  const VersionRecord record = programRecord();
  const std::optional<VersionValue> translations = queryVersionValue(record, "\\VarFileInfo\\Translation");
  ASSERT_TRUE(translations);
  EXPECT_EQ(translations->length(), 4u);
  EXPECT_EQ(translationKey(*translations), "0C0A04B0");
  EXPECT_EQ(text(record, productVersionPath), u"1.00.0051");
  EXPECT_EQ(text(record, "\\StringFileInfo\\0C0A04B0\\FileVersion"), u"1.00.0051");
  EXPECT_EQ(text(record, "\\StringFileInfo\\0C0A04B0\\ProductName"), u"Tiqueron");
  EXPECT_EQ(queryVersionValue(record, productVersionPath)->length(), 10u);  // with its terminating zero
  EXPECT_EQ(record.size() % 4, 0u);
  EXPECT_EQ(record[0] | record[1] << 8, static_cast<int>(record.size()));
}

TEST(VersionRecord, FixedInformationCarriesTheVersionNumbers) {
  const VersionRecord record = programRecord();
  const std::optional<VersionValue> fixed = queryVersionValue(record, "\\");
  ASSERT_TRUE(fixed);
  ASSERT_EQ(fixed->bytes, 52u);
  const auto u32 = [&](std::size_t at) {
    return fixed->data[at] | fixed->data[at + 1] << 8 | fixed->data[at + 2] << 16 |
           std::uint32_t{fixed->data[at + 3]} << 24;
  };
  EXPECT_EQ(u32(0), 0xFEEF04BDu);
  EXPECT_EQ(u32(8), 0x00010000u);   // 1.0
  EXPECT_EQ(u32(12), 0x00330000u);  // .51.0
  EXPECT_EQ(u32(16), 0x00010000u);
}

TEST(VersionRecord, KeysCompareWithoutCaseAndMissingKeysFindNothing) {
  const VersionRecord record = programRecord();
  EXPECT_EQ(text(record, "\\stringfileinfo\\0c0a04b0\\productversion"), u"1.00.0051");
  EXPECT_EQ(text(record, "\\StringFileInfo\\040904B0\\ProductVersion"), u"<none>");
  EXPECT_EQ(text(record, "\\StringFileInfo\\0C0A04B0\\ProductVersio"), u"<none>");
  EXPECT_EQ(text(record, "\\StringFileInfo\\0C0A04B0\\ProductVersionX"), u"<none>");
  const VersionRecord empty;
  EXPECT_FALSE(queryVersionValue(empty, "\\"));
}

TEST(VersionRecord, ChildrenComeInRecordOrder) {
  const VersionRecord record = programRecord();
  std::vector<std::u16string> keys;
  for (const VersionEntry& e : versionChildren(record, "\\StringFileInfo\\0C0A04B0\\")) keys.push_back(e.key);
  EXPECT_EQ(keys, (std::vector<std::u16string>{u"FileDescription", u"FileVersion", u"ProductName",
                                               u"ProductVersion"}));
}

TEST(VersionRecord, TranslationKeyWritesHighByteFirstAndTakesOnlyTheFirst) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    std::string key;
  };
  const std::vector<Case> cases{
      {{0x0A, 0x0C, 0xB0, 0x04}, "0C0A04B0"},
      {{0x09, 0x04, 0xE4, 0x04}, "040904E4"},
      {{0x0A, 0x0C, 0xB0, 0x04, 0x09, 0x04, 0xE4, 0x04}, "0C0A04B0"},
      {{0x00, 0x00, 0x00, 0x00}, "00000000"},
      {{0x0A, 0x0C, 0xB0}, ""},
  };
  for (const Case& c : cases) {
    const VersionValue value{c.bytes.data(), c.bytes.size(), false};
    EXPECT_EQ(translationKey(value), c.key);
  }
}

TEST(VersionRecord, ProductVersionTextPadsMinorAndPatch) {
  EXPECT_EQ(productVersionText(1, 0, 51), u"1.00.0051");
  EXPECT_EQ(productVersionText(2, 10, 1234), u"2.10.1234");
  EXPECT_EQ(productVersionText(10, 5, 7), u"10.05.0007");
}

TEST(VersionRecord, BuilderRefusesBlocksBeyondSixteenBitLengths) {
  VersionRecordContents contents = programVersionContents(1, 0, 51);
  contents.stringTables[0].strings.push_back({u"Comments", std::u16string(40000, u'x')});
  EXPECT_THROW(buildVersionRecord(contents), std::length_error);
}

TEST(VersionRecord, EveryTruncationFindsNothing) {
  const VersionRecord record = programRecord();
  for (std::size_t length = 0; length < record.size(); ++length) {
    const VersionRecord cut(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(length));
    for (const std::string& path : paths) ASSERT_FALSE(queryVersionValue(cut, path)) << length << ' ' << path;
    ASSERT_TRUE(versionChildren(cut, "\\StringFileInfo\\0C0A04B0").empty());
  }
}

TEST(VersionRecord, DamagedBytesNeverLeadOutsideTheRecord) {
  const VersionRecord record = programRecord();
  for (std::size_t at = 0; at < record.size(); ++at) {
    for (const int damage : {0x00, 0x01, 0x05, 0x7F, 0xFF, record[at] ^ 0x80}) {
      VersionRecord damaged = record;
      damaged[at] = static_cast<std::uint8_t>(damage);
      expectInside(damaged);
    }
  }
}

TEST(VersionRecord, MalformedBlocksAroundTheEntry) {
  const VersionRecord good = programRecord();
  const std::size_t entry = blockOf(good, u"ProductVersion");
  const std::size_t table = blockOf(good, u"0C0A04B0");
  struct Case {
    const char* what;
    std::size_t at;
    std::uint16_t value;
    std::u16string expected;
  };
  const std::vector<Case> cases{
      {"entry longer than its table", entry, 0x4000, u"<none>"},
      {"entry shorter than its header", entry, 4, u"<none>"},
      {"entry ending inside its key", entry, 20, u"<none>"},
      {"table longer than the record", table, 0xFFF0, u"<none>"},
      {"value length past the entry", entry + 2, 0x4000, u"1.00.0051"},
      {"value length of no characters", entry + 2, 0, u""},
  };
  for (const Case& c : cases) {
    VersionRecord damaged = good;
    put16(damaged, c.at, c.value);
    EXPECT_EQ(text(damaged, productVersionPath), c.expected) << c.what;
  }
}

}  // namespace
