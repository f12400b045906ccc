// The version record format: no truncation or damage makes the reader step
// outside the record.
#include "version/version_record.h"

#include <gtest/gtest.h>

#include "version/version_record_builder.h"

namespace {

TEST(VersionRecord, TruncatedOrDamagedRecordsNeverLeadOutsideThemselves) {
  const VersionRecord program = buildVersionRecord(programVersionContents(1, 0, 51));
  const char* const paths[] = {"\\", "\\VarFileInfo\\Translation",
                               "\\StringFileInfo\\0C0A04B0\\ProductVersion"};
  for (std::size_t at = 0; at < program.size(); ++at) {
    const VersionRecord cut(program.begin(), program.begin() + static_cast<std::ptrdiff_t>(at));
    for (const char* path : paths) ASSERT_FALSE(queryVersionValue(cut, path)) << at << ' ' << path;
    for (const int damage : {0x00, 0x01, 0x05, 0x7F, 0xFF, program[at] ^ 0x80}) {
      VersionRecord damaged = program;
      damaged[at] = static_cast<std::uint8_t>(damage);
      const std::uint8_t* end = damaged.data() + damaged.size();
      for (const char* path : paths)
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
