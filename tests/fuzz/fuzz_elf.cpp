// A Linux program file: its sections found through the ELF headers, the
// version record's among them, then every version lookup of the program on
// it.
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/fuzz_version.h"
#include "version/elf_section.h"
#include "version/version_record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString ruta = fuzzFile(QStringLiteral("Tiqueron"), fuzzBytes(data, size));
  {
    BinaryFile archivo(ruta);
    for (const char* nombre : {versionSectionName, ".shstrtab"}) {
      const std::optional<FileRange> seccion = elfSection(archivo, nombre);
      fuzzCheck(!seccion || archivo.contains(seccion->offset, seccion->size),
                "ELF: the section lies in the file");
    }
  }
  buscaVersiones(ruta);
  return 0;
}
