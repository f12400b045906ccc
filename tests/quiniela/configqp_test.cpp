#include "quiniela/configqp.h"

#include <gtest/gtest.h>

#include "tests/quiniela/ayudas.h"
#include "tests/support/recording_attributes.h"
#include "tests/support/temp_folder.h"

namespace {

QByteArray campos(const QStringList& lista, const QString& separador = ",") {
  return ('"' + lista.join('"' + separador + '"') + "\"\r\n").toLatin1();
}

// inicioX inicioY margen margenIzq signo tamFuente, and the reserved text.
QString leido(const CalibracionQuiniela& c) {
  return u"%1 %2 %3 %4 %5 %6 %7"_s.arg(QString::number(c.inicioX), QString::number(c.inicioY), c.margen,
                                       QString::number(c.margenIzq), c.signo, QString::number(c.tamFuente),
                                       c.textoReservado == textoRellenoQp ? u"relleno"_s : c.textoReservado);
}

TEST(ConfigQp, EachFieldIsReadByItsRule) {
  const std::tuple<int, const char*, const char*> casos[] = {
      {0, "-15.5", "-16 2085 3100 3100 x 9 relleno"},
      {1, "True 13", "-30 2085 3100 3100 x 7 relleno"},
      {2, "", "-30 2085 3100 3100 x 9 relleno"},
      {2, "000000»", "-30 2085 3100 3100 » 9 relleno"},
      {3, "1", "-30 1 3100 3100 x 9 relleno"},
      {4, "0.5", "-30 2085 1 1 x 9 relleno"},
      {4, "2.5", "-30 2085 2.5 2 x 9 relleno"},
      {5, "abcdefghijklmnopqrstuvwxyz012", "-30 2085 3100 3100 x 9 relleno"},
      {5, "abcdefghijklmnopqrstuvwxyz0123", "-30 2085 3100 3100 x 9 abcdefghijklmnopqrstuvwxyz0123"}};
  for (const auto& [campo, texto, esperado] : casos) {
    QStringList lista{"-30", "True 09", "000640x", "2085", "3100", textoRellenoQp};
    lista[campo] = texto;
    EXPECT_EQ(leido(calibracionDeCampos(lista)), esperado) << campo << ": " << texto;
  }
  for (const auto& [caja, tam] : {std::pair{"1", 7},
                                  {"12", 12},
                                  {"12.5", 12},
                                  {"13", 7},
                                  {"abc", 7},
                                  {"99999999999999999999", 7},
                                  {"-9", 7}})
    EXPECT_EQ(tamFuenteValido(caja), tam) << caja;
}

TEST(ConfigQp, FieldsOverAnyLinesAreReadAndMissingOnesReportedButCompletedBySaving) {
  const TempFolder carpeta;
  RecordingAttributes atributos;
  ArchivoConfigQp archivo(carpeta.path(), atributos);
  carpeta.write("configqp.cfg",
                campos({"-15", "True 12", "000000o", "2270", "10", textoRellenoQp + "z"}, "\r\n"));
  EXPECT_EQ(leido(archivo.leer()), "-15 2270 10 10 o 12 " + textoRellenoQp + "z");
  EXPECT_EQ(atributos.changes(), (QVector<AttributeChange>{{archivo.ruta(), FileAttribute::Normal},
                                                           {archivo.ruta(), FileAttribute::ReadOnlyHidden}}));
  const GuardadoQuiniela guardado{"-5", "2110", 3100, campoSignoSalva};
  EXPECT_EQ(errorNumberOf([&] { archivo.guardar(guardado); }), ErrorNumber::InputPastEnd);
  QByteArray esperado = campos({"-5", "True 09", "000640x", "2110", "3100", textoRellenoQp + "z"});
  for (const char* campo : {"0.5", "500000", "60000", "900", "120", "9", "5", "5"})
    esperado += campos({campo});
  EXPECT_EQ(carpeta.read("configqp.cfg"), esperado + campos({carpeta.path()}));
  EXPECT_EQ(errorNumberOf([&] { archivo.guardar(guardado); }), 0);

  carpeta.write("configqp.cfg", campos({"-15", "True 10", "000640o", "2270"}));
  EXPECT_EQ(errorNumberOf([&] { archivo.leer(); }), ErrorNumber::InputPastEnd);
  EXPECT_EQ(carpeta.read("configqp.cfg"), campos({"-15", "True 10", "000640o", "2270"})) << "left as it was";
  EXPECT_EQ(atributos.current(archivo.ruta()), FileAttribute::ReadOnlyHidden);
}

}  // namespace
