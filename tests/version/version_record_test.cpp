// The version record format: what the builder writes, what the reader finds
// in it, and that no damage makes the reader step outside the record.
#include "version/version_record.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "version/version_record_builder.h"

namespace {

const VersionRecord kProgram = buildVersionRecord(programVersionContents(1, 0, 51));
const char* const kPaths[] = {"\\", "\\VarFileInfo\\Translation",
                              "\\StringFileInfo\\0C0A04B0\\ProductVersion"};

std::u16string text(const VersionRecord& record, const char* path) {
  const std::optional<VersionValue> v = queryVersionValue(record, path);
  return v ? versionText(*v) : u"<none>";
}

TEST(VersionRecord, ProgramRecordIsSpanishAndCarriesTheProductVersion) {
  const struct {
    const char* path;
    std::u16string text;
  } cases[] = {
      {"\\StringFileInfo\\0C0A04B0\\ProductVersion", u"1.00.0051"},
      {"\\stringfileinfo\\0c0a04b0\\productversion", u"1.00.0051"},  // keys compare without case
      {"\\StringFileInfo\\040904B0\\ProductVersion", u"<none>"},
      {"\\StringFileInfo\\0C0A04B0\\ProductVersio", u"<none>"},
      {"\\StringFileInfo\\0C0A04B0\\ProductVersionX", u"<none>"},
  };
  for (const auto& c : cases) EXPECT_EQ(text(kProgram, c.path), c.text) << c.path;
  EXPECT_EQ(translationKey(*queryVersionValue(kProgram, kPaths[1])), "0C0A04B0");
  EXPECT_EQ(queryVersionValue(kProgram, kPaths[2])->length(), 10u);  // with its terminating zero
  EXPECT_EQ(kProgram[0] | kProgram[1] << 8, static_cast<int>(kProgram.size()));
  // The fixed information: its signature, then file version 1.0.51.0.
  const std::optional<VersionValue> fixed = queryVersionValue(kProgram, kPaths[0]);
  ASSERT_EQ(fixed->bytes, 52u);
  EXPECT_EQ(std::vector<std::uint8_t>(fixed->data, fixed->data + 16),
            (std::vector<std::uint8_t>{0xBD, 0x04, 0xEF, 0xFE, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0x33, 0}));
}

TEST(VersionRecord, TranslationKeyWritesHighBytesFirstAndTakesOnlyTheFirst) {
  const std::pair<std::vector<std::uint8_t>, std::string> cases[] = {
      {{0x0A, 0x0C, 0xB0, 0x04}, "0C0A04B0"},
      {{0x09, 0x04, 0xE4, 0x04, 0x0A, 0x0C, 0xB0, 0x04}, "040904E4"},
      {{0x0A, 0x0C, 0xB0}, ""},
  };
  for (const auto& [bytes, key] : cases) EXPECT_EQ(translationKey({bytes.data(), bytes.size(), false}), key);
}

TEST(VersionRecord, BuilderRefusesBlocksBeyondSixteenBitLengths) {
  VersionRecordContents contents = programVersionContents(1, 0, 51);
  contents.stringTables[0].strings.push_back({u"Comments", std::u16string(40000, u'x')});
  EXPECT_THROW(buildVersionRecord(contents), std::length_error);
}

TEST(VersionRecord, TruncatedOrDamagedRecordsNeverLeadOutsideThemselves) {
  for (std::size_t at = 0; at < kProgram.size(); ++at) {
    const VersionRecord cut(kProgram.begin(), kProgram.begin() + static_cast<std::ptrdiff_t>(at));
    for (const char* path : kPaths) ASSERT_FALSE(queryVersionValue(cut, path)) << at << ' ' << path;
    for (const int damage : {0x00, 0x01, 0x05, 0x7F, 0xFF, kProgram[at] ^ 0x80}) {
      VersionRecord damaged = kProgram;
      damaged[at] = static_cast<std::uint8_t>(damage);
      const std::uint8_t* end = damaged.data() + damaged.size();
      for (const char* path : kPaths) {
        if (const std::optional<VersionValue> v = queryVersionValue(damaged, path)) {
          ASSERT_LE(v->data + v->bytes, end) << at;
          versionText(*v);
          translationKey(*v);
        }
      }
      for (const VersionEntry& e : versionChildren(damaged, "\\StringFileInfo\\0C0A04B0"))
        ASSERT_LE(e.value.data + e.value.bytes, end) << at;
    }
  }
}

}  // namespace
