// A Windows program file: its version resource found through the PE headers
// and the resource tree, then every version lookup of the program on it.
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/fuzz_version.h"
#include "version/pe_version_resource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString ruta = fuzzFile(QStringLiteral("Tiqueron.exe"), fuzzBytes(data, size));
  {
    BinaryFile archivo(ruta);
    const std::optional<FileRange> recurso = peVersionResource(archivo);
    fuzzCheck(!recurso || archivo.contains(recurso->offset, recurso->size),
              "PE: the resource lies in the file");
  }
  buscaVersiones(ruta);
  return 0;
}
