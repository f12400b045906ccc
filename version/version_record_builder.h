#pragma once
// Writing a Windows version record (VS_VERSIONINFO). Used at build time for
// the program's own record, so it needs nothing beyond the standard library.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct VersionStringTable {
  std::u16string key;  // language and code page, eight hex digits: u"0C0A04B0"
  std::vector<std::pair<std::u16string, std::u16string>> strings;
};

struct VersionRecordContents {
  // major, minor, patch, build
  std::array<std::uint16_t, 4> fileVersion{};
  std::array<std::uint16_t, 4> productVersion{};
  std::vector<VersionStringTable> stringTables;  // none: no "StringFileInfo"
  // Language in the low word, code page in the high word; none: no "VarFileInfo".
  std::vector<std::uint32_t> translations;
};

// The record's bytes; throws std::length_error when a block outgrows the
// format's 16-bit lengths.
std::vector<std::uint8_t> buildVersionRecord(const VersionRecordContents& contents);

// The product version as the program shows it: major, two-digit minor,
// four-digit patch ("1.00.0051" for 1.0.51).
std::u16string productVersionText(unsigned major, unsigned minor, unsigned patch);

// Tiqueron's own record: Spanish (Spain), code page 1200, string table "0C0A04B0".
VersionRecordContents programVersionContents(unsigned major, unsigned minor, unsigned patch);
