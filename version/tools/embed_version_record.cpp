// Writes Tiqueron's version record for the build, from the project's version:
//   tiqueron_version_embed MAJOR MINOR PATCH OUTPUT
// OUTPUT ending in ".rc" gets a Windows resource script with a VERSIONINFO
// resource; any other gets a C++ source placing the record's bytes in the
// ".tiqueron_version" section of the program file, where the version reader
// finds it on Linux.
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>

#include "version/version_record_builder.h"

namespace {

std::string utf8(const std::u16string& text) {
  std::string out;
  for (const char16_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string numbers(const std::array<std::uint16_t, 4>& v) {
  return std::to_string(v[0]) + ',' + std::to_string(v[1]) + ',' + std::to_string(v[2]) + ',' +
         std::to_string(v[3]);
}

std::string source(const VersionRecordContents& contents) {
  const std::vector<std::uint8_t> record = buildVersionRecord(contents);
  std::ostringstream out;
  out << "// Generated at build time: the program's version record, read back from\n"
         "// the program file's \".tiqueron_version\" section.\n"
         "__attribute__((section(\".tiqueron_version\"), used, aligned(4)))\n"
         "static const unsigned char versionRecord["
      << record.size() << "] = {";
  out << std::hex << std::uppercase << std::setfill('0');
  for (std::size_t i = 0; i < record.size(); ++i)
    out << (i % 12 == 0 ? "\n    " : " ") << "0x" << std::setw(2) << unsigned{record[i]} << ',';
  out << "\n};\n";
  return out.str();
}

std::string resourceScript(const VersionRecordContents& contents) {
  std::ostringstream out;
  out << "// Generated at build time: the program's version resource.\n"
         "#pragma code_page(65001)\n"
         "1 VERSIONINFO\n"
         "FILEVERSION "
      << numbers(contents.fileVersion) << "\nPRODUCTVERSION " << numbers(contents.productVersion)
      << "\nFILEFLAGSMASK 0x3FL\nFILEFLAGS 0x0L\nFILEOS 0x40004L\nFILETYPE 0x1L\nFILESUBTYPE 0x0L\n"
         "BEGIN\n  BLOCK \"StringFileInfo\"\n  BEGIN\n";
  for (const VersionStringTable& table : contents.stringTables) {
    out << "    BLOCK \"" << utf8(table.key) << "\"\n    BEGIN\n";
    for (const auto& [key, value] : table.strings)
      out << "      VALUE \"" << utf8(key) << "\", \"" << utf8(value) << "\"\n";
    out << "    END\n";
  }
  out << "  END\n  BLOCK \"VarFileInfo\"\n  BEGIN\n    VALUE \"Translation\"";
  for (const std::uint32_t translation : contents.translations)
    out << ", 0x" << std::hex << (translation & 0xFFFF) << ", " << std::dec << (translation >> 16);
  out << "\n  END\nEND\n";
  return out.str();
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: tiqueron_version_embed MAJOR MINOR PATCH OUTPUT\n";
    return 2;
  }
  try {
    const VersionRecordContents contents =
        programVersionContents(std::stoul(argv[1]), std::stoul(argv[2]), std::stoul(argv[3]));
    const std::string output = argv[4];
    std::ofstream file(output, std::ios::binary | std::ios::trunc);
    file << (endsWith(output, ".rc") ? resourceScript(contents) : source(contents));
    file.close();
    if (!file) {
      std::cerr << "tiqueron_version_embed: cannot write " << output << '\n';
      return 1;
    }
  } catch (const std::exception& e) {
    std::cerr << "tiqueron_version_embed: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
