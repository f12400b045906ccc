// The shared reader of the text bet files, counted in blocks of every size:
// the first byte of the input chooses the block, the rest is the file. Its
// count and every run of fields it reads must be those of reading the file
// field by field from the start, wherever the blocks cut fields, quotes and
// CR LF pairs.
#include <utility>

#include "app/desarrollo/archivo_campos.h"
#include "app/platform/delimited.h"
#include "app/platform/runtime_error.h"
#include "tests/fuzz/fuzz_support.h"

class ArchivoCamposPrueba {
 public:
  static ArchivoCampos abrir(const QString& ruta, qint64 bloque) { return ArchivoCampos(ruta, bloque); }
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // Every size up to two stretches of 64 bytes, and the program's own.
  const qint64 bloque = data[0] < 0xF0 ? data[0] % 130 + 1 : 256 << 10;
  const QByteArray bytes = fuzzBytes(data + 1, size - 1);
  const QString ruta = fuzzFile(QStringLiteral("AB000017.TXT"), bytes);
  QStringList campos;
  for (DelimitedReader lector(bytes); !lector.atEnd();) campos.append(lector.next());
  try {
    ArchivoCampos archivo = ArchivoCamposPrueba::abrir(ruta, bloque);
    const qint64 n = archivo.campos();
    fuzzCheck(n == campos.size(), "fields: the count is that of reading field by field");
    // Runs that start and end on entries of the index and between them, the
    // last field, and past the end.
    const qint64 medio = n / 2;
    for (const auto& [primero, cuantos] :
         {std::pair<qint64, qint64>{0, 13}, {medio, 8}, {n - 9, 9}, {n, 1}}) {
      if (primero < 0) continue;
      const QStringList leidos = archivo.leer(primero, cuantos);
      fuzzCheck(leidos == campos.mid(primero, cuantos), "fields: a run read alone is the same run");
    }
  } catch (const RuntimeError&) {
  }
  return 0;
}
