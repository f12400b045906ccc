#include "loto/files/configloi.h"

#include <QStringList>
#include <functional>
#include <optional>

#include "app/platform/delimited.h"
#include "app/platform/file_attributes.h"
#include "app/platform/files.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"

namespace {

constexpr int kItemsLeidos = 7;
constexpr int kItemsGuardados = 5;  // items 6 and 7 come from the window
constexpr int kDigitosMitad = 4;
constexpr qint32 kMayorMitad = 9999;

// Items 4 and 5 of a new file.
const QString kTopesNuevos = QStringLiteral("0480-0155");
const QString kMargenesNuevos = QStringLiteral("4840-1505");

QByteArray contenidoLoi(const QString& topes, const QString& margenes, qint16 nBole, const QString& resto) {
  DelimitedWriter escritor;
  return escritor.number(980)
      .number(30)
      .text(numberText(1290))
      .text(topes)
      .text(margenes)
      .text(numberText(nBole))
      .text(resto)
      .endLine()
      .ansiBytes();
}

QString mitadEscrita(qint32 valor) {
  return zeroPadded(qBound(0, valor, kMayorMitad), kDigitosMitad);
}

// Up to `cuantos` items of the file.
QStringList leerItems(FileAttributes& atributos, const QString& ruta, int cuantos) {
  QStringList items;
  withNormalAttributes(atributos, ruta, [&] {
    DelimitedReader lector(readFileBytes(ruta));
    while (items.size() < cuantos && !lector.atEnd()) items.append(lector.next());
  });
  return items;
}

}  // namespace

QByteArray contenidoNuevoLoi() {
  return contenidoLoi(kTopesNuevos, kMargenesNuevos, 8, QStringLiteral("980-30-1065-0-0"));
}

qint32 mitadDe(const QString& item, bool primera) {
  return textToInt32(primera ? item.left(kDigitosMitad) : item.right(kDigitosMitad));
}

QString conMitad(const QString& viejo, qint32 valor, bool primera) {
  const QString otra = mitadEscrita(mitadDe(viejo, !primera));
  const QString nueva = mitadEscrita(valor);
  return primera ? nueva + u'-' + otra : otra + u'-' + nueva;
}

ArchivoConfigLoi::ArchivoConfigLoi(const QString& rutaPrograma, FileAttributes& atributos)
    : rutaPrograma_(rutaPrograma), atributos_(atributos) {}

void ArchivoConfigLoi::leer(bool primeraMitad, CalibracionLoto& calibracion) {
  // Created here, so that the calibration the user then makes is saved.
  if (!atributos_.exists(ruta()))
    withNormalAttributes(atributos_, ruta(), [&] { writeFileAtomically(ruta(), contenidoNuevoLoi()); });
  const QStringList items = leerItems(atributos_, ruta(), kItemsLeidos);
  std::optional<RuntimeError> fallo;
  if (items.size() < kItemsLeidos) fallo = RuntimeError(ErrorNumber::InputPastEnd);
  const auto convierte = [&](int item, const std::function<void(const QString&)>& toma) {
    if (item >= items.size()) return;
    try {
      toma(items.at(item));
    } catch (const RuntimeError& error) {
      if (!fallo) fallo = error;
    }
  };
  convierte(2, [](const QString& item) { textValue(item); });  // read, though nothing uses it
  convierte(3, [&](const QString& item) {
    calibracion.topeSup = mitadDe(item, primeraMitad);
    calibracion.topeLeido = true;
  });
  convierte(4, [&](const QString& item) {
    calibracion.margenIzq = mitadDe(item, primeraMitad);
    calibracion.margenLeido = true;
  });
  convierte(5, [&](const QString& item) { calibracion.nBole = textToInt16(item); });
  convierte(6, [&](const QString& item) { calibracion.cfgResto = item; });
  if (fallo) throw *fallo;
}

void ArchivoConfigLoi::guardar(bool primeraMitad, const CalibracionLoto& calibracion) {
  const bool existe = atributos_.exists(ruta());
  const QStringList items = existe ? leerItems(atributos_, ruta(), kItemsGuardados) : QStringList();
  const bool incompleto = existe && items.size() < kItemsGuardados;
  const QByteArray contenido =
      contenidoLoi(conMitad(items.value(3, kTopesNuevos), calibracion.topeSup, primeraMitad),
                   conMitad(items.value(4, kMargenesNuevos), calibracion.margenIzq, primeraMitad),
                   calibracion.nBole, calibracion.cfgResto);
  withNormalAttributes(atributos_, ruta(), [&] { writeFileAtomically(ruta(), contenido); });
  if (incompleto) throw RuntimeError(ErrorNumber::InputPastEnd);
}
