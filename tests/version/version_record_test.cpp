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

TEST(VersionRecord, BuilderRefusesBlocksBeyondSixteenBitLengths) {
  // Without translations the comment ends the record: each character is two more bytes.
  VersionRecordContents contents = programVersionContents(1, 0, 51);
  contents.translations.clear();
  contents.stringTables[0].strings.push_back({u"Comments", std::u16string(30000, u'x')});
  std::u16string& comment = contents.stringTables[0].strings.back().second;
  comment.append((0xFFFE - buildVersionRecord(contents).size()) / 2, u'x');
  const VersionRecord longest = buildVersionRecord(contents);
  ASSERT_EQ(longest.size(), 0xFFFEu);
  EXPECT_EQ(longest[0] | longest[1] << 8, 0xFFFE);
  comment += u'x';
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
      for (const char* path : kPaths)
        if (const std::optional<VersionValue> v = queryVersionValue(damaged, path)) {
          ASSERT_LE(v->data + v->bytes, end) << at;
          versionText(*v);
          translationKey(*v);
        }
      for (const VersionEntry& e : versionChildren(damaged, "\\StringFileInfo\\0C0A04B0"))
        ASSERT_LE(e.value.data + e.value.bytes, end) << at;
    }
  }
}

}  // namespace
