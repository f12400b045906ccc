#pragma once
// Reading a Windows version record (VS_VERSIONINFO): a tree of blocks, each
// holding wLength, wValueLength, wType, a zero-terminated UTF-16 key, padding
// to 32 bits, the value, padding, then its child blocks. The root's value is
// the fixed file information; its children are "StringFileInfo" (string
// tables keyed by language and code page) and "VarFileInfo" ("Translation").
// Every read stays inside the record, however it is damaged.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using VersionRecord = std::vector<std::uint8_t>;

// A value inside a record; valid while the record lives.
struct VersionValue {
  const std::uint8_t* data = nullptr;
  std::size_t bytes = 0;
  bool text = false;
  // The length the version library reports: characters for text, bytes otherwise.
  std::size_t length() const { return text ? bytes / 2 : bytes; }
};

struct VersionEntry {
  std::u16string key;
  VersionValue value;
};

// The value at `path`, keys separated by backslashes and compared without
// regard to ASCII case: "\" is the fixed file information,
// "\VarFileInfo\Translation" the translations,
// "\StringFileInfo\0C0A04B0\ProductVersion" one string. Nothing when the
// path is missing or the record is malformed on the way to it.
std::optional<VersionValue> queryVersionValue(const VersionRecord& record, std::string_view path);
// Values point into the record, which must outlive them.
std::optional<VersionValue> queryVersionValue(VersionRecord&&, std::string_view) = delete;

// The blocks directly under `path`, in record order, up to the first
// malformed one.
std::vector<VersionEntry> versionChildren(const VersionRecord& record, std::string_view path);
std::vector<VersionEntry> versionChildren(VersionRecord&&, std::string_view) = delete;

// A text value up to its terminating zero.
std::u16string versionText(const VersionValue& value);

// The string-table key of a translation value: language high byte, language
// low byte, code-page high byte, code-page low byte, two upper-case hex digits
// each ("0C0A04B0" for Spanish (Spain), code page 1200). Only the first
// translation counts; empty when the value holds less than one.
std::string translationKey(const VersionValue& translations);
