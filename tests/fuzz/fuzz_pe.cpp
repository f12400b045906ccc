// A Windows program file: its version resource found through the PE headers
// and the resource tree.
#include "tests/fuzz/fuzz_version.h"
#include "version/pe_version_resource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzzArchivoPrograma("Tiqueron.exe", data, size, [](BinaryFile& archivo) {
    return std::vector<std::optional<FileRange>>{peVersionResource(archivo)};
  });
}
