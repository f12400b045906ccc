#include "tests/fuzz/fuzz_version.h"

#include "tests/fuzz/fuzz_support.h"
#include "version/version_label.h"
#include "version/version_record_file.h"

int fuzzArchivoPrograma(const char* nombre, const uint8_t* data, size_t size,
                        const std::function<std::vector<std::optional<FileRange>>(BinaryFile&)>& rangos) {
  return fuzzFileRoundTrip(nombre, fuzzBytes(data, size), [&](const QString& ruta) {
    {
      BinaryFile archivo(ruta);
      for (const std::optional<FileRange>& r : rangos(archivo))
        fuzzCheck(!r || archivo.contains(r->offset, r->size),
                  "program file: what its headers point at lies in it");
    }
    versionLabelText(ruta);
    fileVersionStrings(ruta);
  });
}
