#include "tests/quiniela_window/ventana_qp.h"

#include "app/platform/delimited.h"
#include "app/platform/numbers.h"

QString apuesta(int n) {
  QString signos;
  for (int partido = 1; partido <= 14; ++partido)
    signos += QStringLiteral("1X2").at((n * 5 + partido * partido + n * partido) % 3);
  return signos;
}

QString plenoDe(int t) {
  const QString signos = QStringLiteral("012M");
  return QString(signos.at(t % 4)) + signos.at((t + 1) % 4);
}

QByteArray archivoAD243(int boletos, const QString& jornada, int apuestasCabecera, int boletosCabecera) {
  QByteArray cabecera(124, ' ');
  cabecera.replace(6, 2, jornada.toLatin1());
  cabecera.replace(21, 6, zeroPadded(apuestasCabecera < 0 ? 8 * boletos : apuestasCabecera, 6).toLatin1());
  cabecera.replace(29, 6, zeroPadded(boletosCabecera < 0 ? boletos : boletosCabecera, 6).toLatin1());
  QByteArray datos = cabecera;
  for (int t = 1; t <= boletos; ++t) {
    QString registro = QStringLiteral("0000000000");
    for (int b = 1; b <= 8; ++b) registro += apuesta(8 * (t - 1) + b);
    datos += (registro + plenoDe(t)).toLatin1();
  }
  return datos;
}

QByteArray archivoTexto(int apuestas, const QByteArray& finLinea) {
  QByteArray datos;
  for (int n = 1; n <= apuestas; ++n) {
    datos += apuesta(n).toLatin1();
    if (n % 8 == 1) datos += plenoDe((n + 7) / 8).toLatin1();
    datos += finLinea;
  }
  return datos;
}

std::unique_ptr<boletoqp> VentanaQp::abre() {
  return std::make_unique<boletoqp>(plataforma, rutaPrograma);
}

std::unique_ptr<boletoqp> VentanaQp::abreAD243() {
  dialogos.answer(MessageResult::Ok);   // introduction
  dialogos.answer(MessageResult::Yes);  // AD243
  return abre();
}

std::unique_ptr<boletoqp> VentanaQp::abreTexto(const QString& jornada) {
  dialogos.answer(MessageResult::Ok);
  dialogos.answer(MessageResult::No);
  dialogos.answer(jornada);
  return abre();
}

QStringList VentanaQp::camposConfig() const {
  DelimitedReader lector(carpeta.read(QStringLiteral("configqp.cfg")));
  QStringList campos;
  while (!lector.atEnd()) campos << lector.next();
  return campos;
}
