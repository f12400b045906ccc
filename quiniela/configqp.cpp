#include "quiniela/configqp.h"

#include <cmath>

#include "app/platform/delimited.h"
#include "app/platform/file_attributes.h"
#include "app/platform/files.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"

namespace {

constexpr int camposLeidosAlInicio = 6;
constexpr int camposGuardados = 14;  // field 15 is recomputed

// The 15 fields of a new file.
QStringList camposNuevos(const QString& rutaPrograma) {
  return {QStringLiteral("-30"),  QStringLiteral("True 09"), campoSignoSalva,
          QStringLiteral("2085"), QStringLiteral("3100"),    textoRellenoQp,
          QStringLiteral("0.5"),  QStringLiteral("500000"),  QStringLiteral("60000"),
          QStringLiteral("900"),  QStringLiteral("120"),     QStringLiteral("9"),
          QStringLiteral("5"),    QStringLiteral("5"),       rutaPrograma};
}

}  // namespace

QString campoSignoCerrar(const QString& cajaSigno) {
  return QStringLiteral("000000") + cajaSigno;
}

qint16 tamFuenteValido(const QString& texto) {
  // A number of any size is simply not a size: only a small one is rounded.
  const double valor = textValue(texto);
  const qint64 tam = std::fabs(valor) < 100 ? roundHalfEven(valor) : 0;
  return tam >= 7 && tam <= 12 ? static_cast<qint16>(tam) : qint16(7);
}

CalibracionQuiniela calibracionDeCampos(const QStringList& campos) {
  CalibracionQuiniela calibracion;
  calibracion.inicioX = textToInt32(campos.at(0));
  calibracion.tamFuente = tamFuenteValido(campos.at(1).right(2));
  calibracion.signo = campos.at(2).isEmpty() ? QStringLiteral("x") : campos.at(2).right(1);
  calibracion.inicioY = textToInt32(campos.at(3));
  if (calibracion.inicioY < 1) calibracion.inicioY = 2085;
  calibracion.margen = textValue(campos.at(4)) < 1 ? QStringLiteral("1") : campos.at(4);
  calibracion.margenIzq = textToInt32(calibracion.margen);
  calibracion.textoReservado = campos.at(5).size() < textoRellenoQp.size() ? textoRellenoQp : campos.at(5);
  return calibracion;
}

QByteArray contenidoNuevoQp(const QString& rutaPrograma) {
  DelimitedWriter escritor;
  for (const QString& campo : camposNuevos(rutaPrograma)) escritor.text(campo);
  return escritor.endLine().ansiBytes();
}

QByteArray contenidoGuardadoQp(const GuardadoQuiniela& guardado, const QString& textoReservado,
                               const QStringList& reservados, const QString& rutaPrograma) {
  DelimitedWriter escritor;
  escritor.text(guardado.textoX)
      .text(QStringLiteral("True 09"))
      .text(guardado.campoSigno)
      .text(guardado.textoY)
      .text(plainNumber(guardado.margenIzq))
      .text(textoReservado)
      .endLine();
  for (const QString& reservado : reservados) escritor.text(reservado).endLine();
  return escritor.text(rutaPrograma).endLine().ansiBytes();
}

ArchivoConfigQp::ArchivoConfigQp(const QString& rutaPrograma, FileAttributes& atributos)
    : rutaPrograma_(rutaPrograma), atributos_(atributos) {}

CalibracionQuiniela ArchivoConfigQp::leer() {
  if (!atributos_.exists(ruta())) escribir(contenidoNuevoQp(rutaPrograma_));
  const QStringList campos = leerCampos(camposLeidosAlInicio);
  if (campos.size() < camposLeidosAlInicio) throw RuntimeError(ErrorNumber::InputPastEnd);
  return calibracionDeCampos(campos);
}

void ArchivoConfigQp::guardar(const GuardadoQuiniela& guardado) {
  const bool existe = atributos_.exists(ruta());
  QStringList campos = existe ? leerCampos(camposGuardados) : QStringList();
  const bool truncado = existe && campos.size() < camposGuardados;
  const QStringList nuevos = camposNuevos(rutaPrograma_);
  while (campos.size() < camposGuardados) campos.append(nuevos.at(campos.size()));
  escribir(contenidoGuardadoQp(guardado, campos.at(5), campos.mid(6), rutaPrograma_));
  if (truncado) throw RuntimeError(ErrorNumber::InputPastEnd);
}

QStringList ArchivoConfigQp::leerCampos(int cuantos) {
  QStringList campos;
  withNormalAttributes(atributos_, ruta(), [&] {
    DelimitedReader lector(readFileBytes(ruta()));
    while (campos.size() < cuantos && !lector.atEnd()) campos.append(lector.next());
  });
  return campos;
}

void ArchivoConfigQp::escribir(const QByteArray& contenido) {
  withNormalAttributes(atributos_, ruta(), [&] { writeFileAtomically(ruta(), contenido); });
}
