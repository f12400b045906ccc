#pragma once
// The round trip of a program file: the input written as `nombre`, the ranges
// `rangos` finds in it through its headers (each must lie in the file), then
// the version lookups the program makes on it: the start-up window's label
// and the string table the properties sheet shows.
#include <optional>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "version/binary_file.h"
#include "version/version_label.h"
#include "version/version_record_file.h"

template <typename Rangos>
int fuzzArchivoPrograma(const char* nombre, const uint8_t* data, size_t size, Rangos rangos) {
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
