#include "quiniela/configqp.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "tests/quiniela/ayudas.h"
#include "tests/support/recording_attributes.h"
#include "tests/support/temp_folder.h"

namespace {

const QByteArray relleno = "reservadoqp0123456789abcdefghi";

QByteArray campos(const QList<QByteArray>& lista, const QByteArray& separador = ",") {
  QByteArray datos;
  for (const QByteArray& campo : lista) datos += (datos.isEmpty() ? "" : separador) + '"' + campo + '"';
  return datos + "\r\n";
}

QList<QByteArray> camposPorDefecto(const QString& carpeta) {
  return {"-30", "True 09", "000640x", "2085", "3100", relleno,           "0.5", "500000", "60000",
          "900", "120",     "9",       "5",    "5",    carpeta.toLatin1()};
}

TEST(ConfigQp, TheFillerIsThirtyLowerCaseLettersAndDigits) {
  EXPECT_EQ(textoRellenoQp.size(), 30);
  for (const QChar c : textoRellenoQp) EXPECT_TRUE((c >= 'a' && c <= 'z') || c.isDigit()) << c.unicode();
}

TEST(ConfigQp, AMissingFileIsCreatedOnOneLineAndReadBack) {
  TempFolder carpeta;
  RecordingAttributes atributos;
  ArchivoConfigQp archivo(carpeta.path(), atributos);
  const CalibracionQuiniela leida = archivo.leer();

  EXPECT_EQ(carpeta.read("configqp.cfg"), campos(camposPorDefecto(carpeta.path())));
  EXPECT_EQ(leida.inicioX, -30);
  EXPECT_EQ(leida.inicioY, 2085);
  EXPECT_EQ(leida.margen, "3100");
  EXPECT_EQ(leida.margenIzq, 3100);
  EXPECT_EQ(leida.signo, "x");
  EXPECT_EQ(leida.tamFuente, 9);
  EXPECT_EQ(leida.textoReservado, QString::fromLatin1(relleno));
  EXPECT_EQ(atributos.current(archivo.ruta()), FileAttribute::ReadOnlyHidden);
}

TEST(ConfigQp, FieldsReadTheSameSpreadOverManyLines) {
  TempFolder carpeta;
  carpeta.write("configqp.cfg",
                campos({"-15", "True 12", "000000o", "2270", "10", relleno + "z", "0.5"}, "\r\n"));
  RecordingAttributes atributos;
  const CalibracionQuiniela leida = ArchivoConfigQp(carpeta.path(), atributos).leer();
  EXPECT_EQ(leida.inicioX, -15);
  EXPECT_EQ(leida.inicioY, 2270);
  EXPECT_EQ(leida.margenIzq, 10);
  EXPECT_EQ(leida.signo, "o");
  EXPECT_EQ(leida.tamFuente, 12);
  EXPECT_EQ(leida.textoReservado, QString::fromLatin1(relleno + "z"));
  const QVector<AttributeChange> esperados{{carpeta.file("configqp.cfg"), FileAttribute::Normal},
                                           {carpeta.file("configqp.cfg"), FileAttribute::ReadOnlyHidden}};
  EXPECT_EQ(atributos.changes(), esperados);
}

struct CasoCampo {
  int campo;  // 1 to 6
  const char* texto;
  std::function<void(const CalibracionQuiniela&)> comprobar;
};

void PrintTo(const CasoCampo& c, std::ostream* out) {
  *out << "campo " << c.campo << " \"" << c.texto << '"';
}

class CampoLeido : public ::testing::TestWithParam<CasoCampo> {};

TEST_P(CampoLeido, FollowsTheReadingRules) {
  const CasoCampo& c = GetParam();
  QStringList lista{"-30", "True 09", "000640x", "2085", "3100", QString::fromLatin1(relleno)};
  lista[c.campo - 1] = QString::fromUtf8(c.texto);
  c.comprobar(calibracionDeCampos(lista));
}

INSTANTIATE_TEST_SUITE_P(
    Campos, CampoLeido,
    ::testing::Values(
        CasoCampo{1, "abc", [](auto& c) { EXPECT_EQ(c.inicioX, 0); }},
        CasoCampo{1, "-15.5", [](auto& c) { EXPECT_EQ(c.inicioX, -16); }},
        CasoCampo{2, "True 10", [](auto& c) { EXPECT_EQ(c.tamFuente, 10); }},
        CasoCampo{2, "False 7", [](auto& c) { EXPECT_EQ(c.tamFuente, 7); }},
        CasoCampo{2, "True 13", [](auto& c) { EXPECT_EQ(c.tamFuente, 7); }},
        CasoCampo{2, "True 06", [](auto& c) { EXPECT_EQ(c.tamFuente, 7); }},
        CasoCampo{2, "True", [](auto& c) { EXPECT_EQ(c.tamFuente, 7); }},
        CasoCampo{2, "", [](auto& c) { EXPECT_EQ(c.tamFuente, 7); }},
        CasoCampo{3, "", [](auto& c) { EXPECT_EQ(c.signo, "x"); }},
        CasoCampo{3, "000000*", [](auto& c) { EXPECT_EQ(c.signo, "*"); }},
        CasoCampo{3, "000000»", [](auto& c) { EXPECT_EQ(c.signo, "»"); }},
        CasoCampo{4, "0", [](auto& c) { EXPECT_EQ(c.inicioY, 2085); }},
        CasoCampo{4, "-40", [](auto& c) { EXPECT_EQ(c.inicioY, 2085); }},
        CasoCampo{4, "abc", [](auto& c) { EXPECT_EQ(c.inicioY, 2085); }},
        CasoCampo{4, "1", [](auto& c) { EXPECT_EQ(c.inicioY, 1); }},
        CasoCampo{5, "0",
                  [](auto& c) {
                    EXPECT_EQ(c.margen, "1");
                    EXPECT_EQ(c.margenIzq, 1);
                  }},
        CasoCampo{5, "0.5", [](auto& c) { EXPECT_EQ(c.margen, "1"); }},
        CasoCampo{5, "", [](auto& c) { EXPECT_EQ(c.margen, "1"); }},
        CasoCampo{5, "10",
                  [](auto& c) {
                    EXPECT_EQ(c.margen, "10");
                    EXPECT_EQ(c.margenIzq, 10);
                  }},
        CasoCampo{5, "2.5",
                  [](auto& c) {
                    EXPECT_EQ(c.margen, "2.5");
                    EXPECT_EQ(c.margenIzq, 2);
                  }},
        CasoCampo{6, "abcdefghijklmnopqrstuvwxyz012",
                  [](auto& c) { EXPECT_EQ(c.textoReservado, QString::fromLatin1(relleno)); }},
        CasoCampo{6, "abcdefghijklmnopqrstuvwxyz0123",
                  [](auto& c) { EXPECT_EQ(c.textoReservado, "abcdefghijklmnopqrstuvwxyz0123"); }},
        CasoCampo{6, "", [](auto& c) { EXPECT_EQ(c.textoReservado, QString::fromLatin1(relleno)); }}));

struct CasoTamano {
  const char* caja;
  qint16 tam;
};

void PrintTo(const CasoTamano& c, std::ostream* out) {
  *out << '"' << c.caja << '"';
}

class TamanoFuente : public ::testing::TestWithParam<CasoTamano> {};

TEST_P(TamanoFuente, IsSevenUnlessTheTextReadsAsSevenToTwelve) {
  EXPECT_EQ(tamFuenteValido(QString::fromUtf8(GetParam().caja)), GetParam().tam) << GetParam().caja;
}

INSTANTIATE_TEST_SUITE_P(Cajas, TamanoFuente,
                         ::testing::Values(CasoTamano{"1", 7}, CasoTamano{"10", 10}, CasoTamano{" 8", 8},
                                           CasoTamano{"12", 12}, CasoTamano{"12.4", 12},
                                           CasoTamano{"12.5", 12}, CasoTamano{"13", 7}, CasoTamano{"6.6", 7},
                                           CasoTamano{"abc", 7}, CasoTamano{"", 7}));

TEST(ConfigQp, TheSaveWritesStyleAndMarkFixedAndKeepsTheReservedFields) {
  TempFolder carpeta;
  QList<QByteArray> anteriores{"-30", "True 12", "000000o", "2085", "3100", relleno + "!", "a",          "b",
                               "c",   "d",       "e",       "f",    "g",    "h",           "C:\\VIEJO\\"};
  carpeta.write("configqp.cfg", campos(anteriores));
  RecordingAttributes atributos;
  ArchivoConfigQp archivo(carpeta.path(), atributos);
  archivo.guardar({"-5", "2110", 3100, campoSignoSalva});

  const QByteArray esperado = campos({"-5", "True 09", "000640x", "2110", "3100", relleno + "!"}) +
                              campos({"a"}) + campos({"b"}) + campos({"c"}) + campos({"d"}) + campos({"e"}) +
                              campos({"f"}) + campos({"g"}) + campos({"h"}) +
                              campos({carpeta.path().toLatin1()});
  EXPECT_EQ(carpeta.read("configqp.cfg"), esperado);
  EXPECT_EQ(atributos.current(archivo.ruta()), FileAttribute::ReadOnlyHidden);

  const CalibracionQuiniela leida = archivo.leer();
  EXPECT_EQ(leida.inicioX, -5);
  EXPECT_EQ(leida.inicioY, 2110);
  EXPECT_EQ(leida.signo, "x");
  EXPECT_EQ(leida.tamFuente, 9);
}

TEST(ConfigQp, CerrarWritesTheWholeMarkBoxAfterSixZeros) {
  TempFolder carpeta;
  RecordingAttributes atributos;
  ArchivoConfigQp archivo(carpeta.path(), atributos);
  archivo.leer();
  archivo.guardar({"-30", "2085", 0, campoSignoCerrar("«»")});
  EXPECT_TRUE(
      carpeta.read("configqp.cfg").startsWith("\"-30\",\"True 09\",\"000000\xAB\xBB\",\"2085\",\"0\","));
  EXPECT_EQ(archivo.leer().signo, "»");
  EXPECT_EQ(archivo.leer().margen, "1");
}

TEST(ConfigQp, SavingAMissingFileWritesItWithTheDefaultReservedFields) {
  TempFolder carpeta;
  RecordingAttributes atributos;
  ArchivoConfigQp(carpeta.path(), atributos).guardar({"7", "8", 9, campoSignoSalva});
  QList<QByteArray> esperado = camposPorDefecto(carpeta.path());
  QByteArray bytes = campos({"7", "True 09", "000640x", "8", "9", relleno});
  for (int i = 6; i < 15; ++i) bytes += campos({esperado[i]});
  EXPECT_EQ(carpeta.read("configqp.cfg"), bytes);
}

TEST(ConfigQp, ATruncatedFileIsReportedAtStartAndLeftAsItIs) {
  TempFolder carpeta;
  const QByteArray truncado = campos({"-15", "True 10", "000640o", "2270"});
  carpeta.write("configqp.cfg", truncado);
  RecordingAttributes atributos;
  ArchivoConfigQp archivo(carpeta.path(), atributos);
  EXPECT_EQ(errorDe([&] { archivo.leer(); }), ErrorNumber::InputPastEnd);
  EXPECT_EQ(carpeta.read("configqp.cfg"), truncado);
  EXPECT_EQ(atributos.current(archivo.ruta()), FileAttribute::ReadOnlyHidden);

  carpeta.write("configqp.cfg", "");
  EXPECT_EQ(errorDe([&] { archivo.leer(); }), ErrorNumber::InputPastEnd);
}

TEST(ConfigQp, ATruncatedFileIsCompletedWhenSavedAndTheErrorStillReported) {
  TempFolder carpeta;
  carpeta.write("configqp.cfg",
                campos({"-15", "True 10", "000640o", "2270", "3100", relleno + "+", "r7", "r8"}));
  RecordingAttributes atributos;
  ArchivoConfigQp archivo(carpeta.path(), atributos);
  EXPECT_EQ(errorDe([&] {
              archivo.guardar({"-15", "2270", 3100, campoSignoSalva});
            }),
            ErrorNumber::InputPastEnd);

  QByteArray esperado =
      campos({"-15", "True 09", "000640x", "2270", "3100", relleno + "+"}) + campos({"r7"}) + campos({"r8"});
  const QList<QByteArray> nuevos = camposPorDefecto(carpeta.path());
  for (int i = 8; i < 15; ++i) esperado += campos({nuevos[i]});
  EXPECT_EQ(carpeta.read("configqp.cfg"), esperado);
  EXPECT_EQ(atributos.current(archivo.ruta()), FileAttribute::ReadOnlyHidden);
  EXPECT_EQ(errorDe([&] { archivo.guardar({"-15", "2270", 3100, campoSignoSalva}); }), 0);
}

TEST(ConfigQp, TheRealAttributesLetTheReadOnlyFileBeSavedAndLeaveItReadOnly) {
  TempFolder carpeta;
  SystemFileAttributes atributos;
  ArchivoConfigQp archivo(carpeta.path(), atributos);
  archivo.leer();
  ASSERT_FALSE(QFileInfo(archivo.ruta()).permissions() & QFileDevice::WriteOwner);
  archivo.guardar({"-45", "2085", 3100, campoSignoSalva});
  EXPECT_EQ(archivo.leer().inicioX, -45);
  EXPECT_FALSE(QFileInfo(archivo.ruta()).permissions() & QFileDevice::WriteOwner);
}

}  // namespace
