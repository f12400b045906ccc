// The delimited-field reader on any bytes: read field by field, passed over
// in counts, entered at any byte position; the lines of the text; and the
// fields written back, which must read back as they were (a double quote
// written as a single one).
#include "app/platform/ansi.h"
#include "app/platform/delimited.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = fuzzBytes(data, size);
  QStringList campos;
  QList<qsizetype> posiciones;
  DelimitedReader lector(bytes);
  while (!lector.atEnd()) {
    posiciones.append(lector.position());
    campos.append(lector.next());
    fuzzCheck(lector.position() > posiciones.last() && lector.position() <= bytes.size(),
              "delimited: each field moves on");
  }
  fuzzOnly(ErrorNumber::InputPastEnd, "delimited: past the end is error 62", [&] {
    lector.next();
    fuzzCheck(false, "delimited: reading past the end fails");
  });
  for (const qsizetype paso : {1, 3, 8}) {
    DelimitedReader saltos(bytes);
    qsizetype pasados = 0;
    while (!saltos.atEnd()) {
      pasados += saltos.skip(paso);
      fuzzCheck(pasados >= campos.size() || saltos.position() == posiciones.at(pasados),
                "delimited: a skip stops where reading would");
    }
    fuzzCheck(pasados == campos.size(), "delimited: skipping counts every field");
  }
  // An entry of an index: a jump to where a field starts reads on from it.
  for (const qsizetype i : {qsizetype(0), campos.size() / 2, campos.size() - 1}) {
    if (i < 0 || i >= campos.size()) continue;
    DelimitedReader desde(bytes);
    desde.seek(posiciones.at(i));
    fuzzCheck(desde.next() == campos.at(i), "delimited: a jump to a field's start reads that field");
  }
  DelimitedReader fuera(bytes);
  fuera.seek(-5);
  fuera.seek(bytes.size() + 5);
  fuzzCheck(fuera.atEnd(), "delimited: a jump past the end is the end");
  readLines(decodeAnsi(bytes));

  if (campos.isEmpty()) return 0;  // a line of no fields is not written
  DelimitedWriter escritor;
  for (const QString& campo : campos) escritor.text(campo);
  QStringList esperados;
  for (const QString& campo : campos) esperados.append(QString(campo).replace(u'"', u'\''));
  fuzzCheck(fuzzFields(escritor.endLine().ansiBytes()) == esperados,
            "delimited: the fields written read back");
  return 0;
}
