// A Linux program file: its sections found through the ELF headers, the
// version record's among them.
#include "tests/fuzz/fuzz_version.h"
#include "version/elf_section.h"
#include "version/version_record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzzArchivoPrograma("Tiqueron", data, size, [](BinaryFile& archivo) {
    return std::vector<std::optional<FileRange>>{elfSection(archivo, versionSectionName),
                                                 elfSection(archivo, ".shstrtab")};
  });
}
