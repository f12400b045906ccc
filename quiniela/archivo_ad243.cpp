#include "quiniela/archivo_ad243.h"

#include <limits>

#include "app/platform/ansi.h"
#include "app/platform/files.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"

namespace {

// Characters `desde` (from 1) to `desde + cuantos - 1` of a record.
QString posiciones(const QByteArray& registro, int desde, int cuantos) {
  return decodeAnsi(registro.mid(desde - 1, cuantos));
}

qint32 numeroDeCabecera(const QByteArray& cabecera, int desde) {
  const qint64 valor = textToWhole(posiciones(cabecera, desde, 6));  // six digits at most
  return static_cast<qint32>(valor);
}

}  // namespace

ArchivoAD243::ArchivoAD243(const QString& ruta)
    : DesarrolloQuiniela(recuentoPorLongitud(fileLength(ruta))), ruta_(ruta) {}

RecuentoQuiniela ArchivoAD243::recuentoPorLongitud(qint64 longitudArchivo) {
  const qint64 boletos = qMax<qint64>(longitudArchivo / longitudRegistro - 1, 0);
  if (boletos * apuestasPorBoleto > std::numeric_limits<qint32>::max()) {
    throw RuntimeError(ErrorNumber::Overflow);
  }
  return {static_cast<qint32>(boletos * apuestasPorBoleto), static_cast<qint32>(boletos)};
}

BoletoLeido ArchivoAD243::boleto(qint32 t) {
  const QByteArray cabecera = readFileBytes(ruta_, 0, longitudRegistro);
  RecuentoQuiniela recuento{numeroDeCabecera(cabecera, 22), numeroDeCabecera(cabecera, 30)};
  if (recuento.napuestas < 1) recuento.napuestas = apuestasPorBoleto * recuento.nboletos;
  const QString jornada = posiciones(cabecera, 7, 2);

  QByteArray registro;
  if (t >= 1) registro = readFileBytes(ruta_, qint64(t) * longitudRegistro, longitudRegistro);
  if (registro.size() < longitudRegistro) {
    return {boletoQuiniela(QString(), QStringLiteral(" "), QStringLiteral(" "), jornada), recuento};
  }
  return {boletoQuiniela(posiciones(registro, 11, longitudBloque), posiciones(registro, 123, 1),
                         posiciones(registro, 124, 1), jornada),
          recuento};
}
