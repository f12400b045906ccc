#include "quiniela/archivo_texto_quiniela.h"

#include <QFileInfo>
#include <limits>

#include "app/platform/delimited.h"
#include "app/platform/files.h"
#include "app/platform/runtime_error.h"

ArchivoTextoQuiniela::ArchivoTextoQuiniela(const QString& ruta, const QString& nombreArchivo,
                                           qint64 bloqueLectura)
    : ArchivoTextoQuiniela(ruta, nombreArchivo, bloqueLectura, indexar(ruta, bloqueLectura)) {}

ArchivoTextoQuiniela::ArchivoTextoQuiniela(const QString& ruta, const QString& nombreArchivo,
                                           qint64 bloqueLectura, Indexado indexado)
    : DesarrolloQuiniela({indexado.campos, boletosPara(indexado.campos)}),
      ruta_(ruta),
      jornada_(nombreArchivo.right(6).left(2)),
      bloqueLectura_(bloqueLectura),
      indexado_(std::move(indexado)) {}

ArchivoTextoQuiniela::Indexado ArchivoTextoQuiniela::indexar(const QString& ruta, qint64 bloqueLectura) {
  // Noted before reading: a change made while reading shows up at the next ticket.
  const QFileInfo info(ruta);
  Indexado indexado{IndiceBoletos(info.size()), 0, info.size(), info.lastModified()};
  // Read a block at a time so that a file of any size needs little memory. A
  // ticket whose fields reach the end of a block may go on after it: the next
  // block starts with that ticket, and is twice as large when the ticket alone
  // filled the block.
  qint64 base = 0;  // where the first ticket not yet counted starts
  qint64 pedido = bloqueLectura;
  qint64 campos = 0;
  for (bool fin = false; !fin;) {
    const QByteArray datos = readFileBytes(ruta, base, pedido);
    fin = datos.size() < pedido;
    DelimitedReader lector(datos);
    qsizetype contado = 0;  // bytes of whole tickets
    while (!lector.atEnd()) {
      const qsizetype pasados = lector.skip(apuestasPorBoleto);
      if (!fin && lector.position() == datos.size()) break;
      indexado.indice.anadir(base + contado);
      campos += pasados;
      contado = lector.position();
    }
    base += contado;
    pedido = contado == 0 ? 2 * pedido : bloqueLectura;
  }
  if (campos > std::numeric_limits<qint32>::max()) throw RuntimeError(ErrorNumber::Overflow);
  indexado.indice.anadir(base);
  indexado.indice.ajustar();
  indexado.campos = static_cast<qint32>(campos);
  return indexado;
}

bool ArchivoTextoQuiniela::cambiado() const {
  const QFileInfo info(ruta_);
  return info.size() != indexado_.longitud || info.lastModified() != indexado_.modificado;
}

BoletoLeido ArchivoTextoQuiniela::boleto(qint32 t) {
  if (cambiado()) indexado_ = indexar(ruta_, bloqueLectura_);
  const qint64 primero = qint64(apuestasPorBoleto) * (t - 1);  // fields before the ticket
  const qint64 hasta = qMin(qint64(apuestasPorBoleto) * t, qint64(recuento().napuestas));
  if (t < 1 || hasta <= primero) return {boletoDeCampos({}, jornada_), recuento()};
  if (hasta > indexado_.campos) throw RuntimeError(ErrorNumber::InputPastEnd);
  const qint64 inicio = indexado_.indice.posicion(t - 1);
  DelimitedReader lector(readFileBytes(ruta_, inicio, indexado_.indice.posicion(t) - inicio));
  QStringList campos;
  for (qint64 i = primero; i < hasta; ++i) campos.append(lector.next());
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
