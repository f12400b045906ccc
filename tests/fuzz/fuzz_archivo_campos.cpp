// The shared readers of the text bet files, in read blocks of every size:
// the first byte of the input chooses the block, the rest is the file. The
// count, 1 to 9 fields read from every place (every skip within an entry of
// the index, runs across entries and past the end), and every field with the
// line it starts on as the check reads them, must be those of reading the
// file field by field from the start, wherever the blocks cut fields, quotes
// and CR LF pairs.
#include "app/desarrollo/archivo_campos.h"
#include "app/desarrollo/lector_campos.h"
#include "app/platform/ansi.h"
#include "app/platform/delimited.h"
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
  return fuzzFileRoundTrip("AB000017.TXT", bytes, [&](const QString& ruta) {
    QStringList campos, conLinea;
    for (DelimitedReader lector(bytes); !lector.atEnd();) {
      const QByteArray antes = bytes.left(lector.position());
      const qint64 linea = 1 + antes.count('\n') + antes.count('\r') - antes.count("\r\n");
      campos << lector.next();
      conLinea << QString::number(linea) + u':' + campos.last();
    }
    ArchivoCampos archivo = ArchivoCamposPrueba::abrir(ruta, bloque);
    fuzzCheck(archivo.campos() == campos.size(), "fields: the count is that of reading field by field");
    for (qint64 primero = 0, cuantos = 1 + bloque % 9; primero <= campos.size();
         ++primero, cuantos = cuantos % 9 + 1)
      fuzzCheck(archivo.leer(primero, cuantos) == campos.mid(primero, cuantos),
                "fields: a run read alone is the same run");
    LectorCampos lector(ruta, bloque);
    QStringList leidos;
    for (CampoLeido campo; lector.siguiente(campo);)
      leidos << QString::number(campo.linea) + u':' + decodeAnsi(QByteArray(campo.datos, campo.longitud));
    fuzzCheck(leidos == conLinea, "fields: the check reads each field with the line it starts on");
  });
}
