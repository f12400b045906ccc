#include "quiniela/archivo_texto_quiniela.h"

#include <limits>

#include "app/platform/runtime_error.h"

namespace {

qint32 apuestasDe(const ArchivoCampos& archivo) {
  if (archivo.campos() > std::numeric_limits<qint32>::max()) throw RuntimeError(ErrorNumber::Overflow);
  return static_cast<qint32>(archivo.campos());
}

}  // namespace

ArchivoTextoQuiniela::ArchivoTextoQuiniela(const QString& ruta, const QString& nombreArchivo)
    : ArchivoTextoQuiniela(ArchivoCampos(ruta), nombreArchivo) {}

ArchivoTextoQuiniela::ArchivoTextoQuiniela(ArchivoCampos archivo, const QString& nombreArchivo)
    : DesarrolloQuiniela({apuestasDe(archivo), boletosPara(apuestasDe(archivo))}),
      archivo_(std::move(archivo)),
      jornada_(nombreArchivo.right(6).left(2)) {}

BoletoLeido ArchivoTextoQuiniela::boleto(qint32 t) {
  // Before ticket 1 there are no bets to read.
  const QStringList campos =
      t < 1 ? QStringList() : archivo_.leer(qint64(apuestasPorBoleto) * (t - 1), apuestasPorBoleto);
  return {boletoDeCampos(campos, jornada_), recuento()};
}

BoletoQuiniela ArchivoTextoQuiniela::boletoDeCampos(const QStringList& campos, const QString& jornada) {
  QString apuestas;
  for (const QString& campo : campos)
    apuestas += campo.left(signosPorApuesta).leftJustified(signosPorApuesta);
  const QString primero = campos.value(0);
  return boletoQuiniela(apuestas, primero.mid(signosPorApuesta, 1), primero.mid(signosPorApuesta + 1, 1),
                        jornada);
}
