// Counting a bet file once and reading any run of its fields afterwards.
#include "app/desarrollo/archivo_campos.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <ostream>

#include "app/desarrollo/lector_campos.h"
#include "app/platform/ansi.h"
#include "app/platform/delimited.h"
#include "tests/support/error_number.h"
#include "tests/support/temp_folder.h"
#include "tests/support/texto_en_fallos.h"

class ArchivoCamposPrueba {
 public:
  static ArchivoCampos abrir(const QString& ruta, qint64 bloqueLectura) {
    return ArchivoCampos(ruta, bloqueLectura);
  }
};

namespace {

std::string visible(const QByteArray& datos) {
  return QByteArray(datos).replace("\r", "\\r").replace("\n", "\\n").toStdString();
}

QStringList camposDe(const QByteArray& datos) {
  QStringList campos;
  for (DelimitedReader lector(datos); !lector.atEnd();) campos << lector.next();
  return campos;
}

// Fields and line ends of every shape the input syntax treats specially,
// pieced together at random; some pieces are longer than a 64-byte stretch.
QByteArray datosVariados(QRandomGenerator& azar) {
  static const QByteArray largos[] = {QByteArray(70, ' ') + "\"a,b\"", "\"" + QByteArray(90, ',') + "\r\n\"",
                                      QByteArray(200, ','), QByteArray(130, 'X'), QByteArray(150, '\n')};
  const char* const campos[] = {
      "1X21X21X21X21X01", "",     "  X2", "\t12", "\"a,b\"",        "\"a\r\nb\"", "\"q\"  r\"e,",
      "  \"bl\"",         "a\"b", "\"\"", "   ",  "\"\xE9\r\xF1\"", "\"",         "\" \"\"y"};
  const char* const finales[] = {",", "\r\n", "\n", "\r", "\n\r", "\r\r\n", ", ", ""};
  QByteArray datos;
  for (int piezas = int(azar.bounded(40)); piezas > 0; --piezas) {
    datos += azar.bounded(12) == 0 ? largos[azar.bounded(5)] : QByteArray(campos[azar.bounded(14)]);
    datos += finales[azar.bounded(8)];
  }
  return datos;
}

TEST(ArchivoCampos, CountsAndReadsAsReadingFromTheStartWhereverTheReadBlocksCutTheData) {
  const QByteArray fijos[] = {"",   ",",      "a,",        "a\r",        "\r\n",         "\n\r",
                              "\"", "\"a,\r", " \t\"x,\"", "a\r\r\nb,,", "\"a\"\"b\",c", "x\"y,\"z"};
  TempFolder carpeta;
  const QString ruta = carpeta.file("AB000001.TXT");
  QRandomGenerator azar(2085);
  for (int caso = 0; caso < 120; ++caso) {
    const QByteArray datos = caso < int(std::size(fijos)) ? fijos[caso] : datosVariados(azar);
    carpeta.write("AB000001.TXT", datos);
    const QStringList esperados = camposDe(datos);
    for (qint64 bloque : {1, 3, 7, 64, 65, 129, 1 << 20}) {
      ArchivoCampos archivo = ArchivoCamposPrueba::abrir(ruta, bloque);
      ASSERT_EQ(archivo.campos(), esperados.size()) << visible(datos) << ", block " << bloque;
      // 1 to 9 fields from every place, so every skip within an entry and runs across entries.
      for (qint64 primero = 0; primero <= esperados.size(); ++primero) {
        const qint64 cuantos = 1 + (primero + bloque + caso) % 9;
        ASSERT_EQ(archivo.leer(primero, cuantos), esperados.mid(primero, cuantos))
            << visible(datos) << ", block " << bloque << ", fields " << primero << " +" << cuantos;
      }
    }
  }
}

// The check reads every field once, with the line it starts on: the same
// fields as reading from the start, and the line ends before each one.
TEST(LectorCampos, GivesTheFieldsOfReadingFromTheStartAndTheLineEachStartsOn) {
  TempFolder carpeta;
  QRandomGenerator azar(15);
  for (int caso = 0; caso < 60; ++caso) {
    const QByteArray datos = datosVariados(azar) + (caso % 2 ? "\r" : "\"x\r\n\"");
    carpeta.write("AB000001.TXT", datos);
    QStringList esperados;
    for (DelimitedReader lector(datos); !lector.atEnd();) {
      const QByteArray antes = datos.left(lector.position());
      const qint64 linea = 1 + antes.count('\n') + antes.count('\r') - antes.count("\r\n");
      esperados << QString::number(linea) + ":" + lector.next();
    }
    for (qsizetype bloque : {1, 2, 5, 64, 1 << 20}) {
      LectorCampos lector(carpeta.file("AB000001.TXT"), bloque);
      QStringList leidos;
      for (CampoLeido campo; lector.siguiente(campo);)
        leidos << QString::number(campo.linea) + ":" + decodeAnsi(QByteArray(campo.datos, campo.longitud));
      ASSERT_EQ(leidos, esperados) << visible(datos) << ", block " << bloque;
    }
  }
  EXPECT_EQ(errorNumberOf([&] { LectorCampos(carpeta.file("AB000002.TXT")); }), ErrorNumber::FileNotFound);
}

TEST(ArchivoCampos, KeepsHalfAByteAFieldAndWidePositionsAbove4GiB) {
  TempFolder carpeta;
  carpeta.write("AB000001.TXT", QByteArray("12345678901234\r\n").repeated(10001));
  ArchivoCampos archivo(carpeta.file("AB000001.TXT"));
  ASSERT_EQ(archivo.campos(), 10001);
  EXPECT_EQ(archivo.bytesIndice(), 4 * (1251 + 1));  // fields 0, 8 ... 10000, and the end
  EXPECT_EQ(archivo.leer(10000, 8), QStringList{"12345678901234"});

  const std::tuple<qint64, qint64, qsizetype> casos[] = {{0xFFFFFFFFLL, 0xFFFFFFFFLL, 4},
                                                         {0x100000000LL, 0x100000000LL, 8},
                                                         {5'000'000'000LL, 4'999'999'999LL, 8}};
  for (const auto& [longitud, posicion, bytes] : casos) {
    IndiceCampos indice(longitud);
    indice.anadir(posicion);
    indice.ajustar();
    EXPECT_EQ(std::pair(indice.posicion(0), indice.bytes()), std::pair(posicion, bytes)) << longitud;
  }
}

QByteArray lineas(const char* prefijo, int desde, int hasta) {
  QByteArray datos;
  for (int i = desde; i < hasta; ++i) datos += prefijo + QByteArray::number(i) + "\r\n";
  return datos;
}

TEST(ArchivoCampos, AFileChangedSinceOpeningIsCountedAgainAndTheCountOfTheOpeningKept) {
  TempFolder carpeta;
  const QString ruta = carpeta.file("AB000001.TXT");
  carpeta.write("AB000001.TXT", lineas("f", 0, 20));
  ArchivoCampos archivo(ruta);
  ASSERT_EQ(archivo.campos(), 20);

  carpeta.write("AB000001.TXT", lineas("n", 0, 3) + lineas("f", 0, 20));
  EXPECT_EQ(archivo.leer(16, 8), camposDe(lineas("f", 13, 17)));
  EXPECT_EQ(archivo.campos(), 20);

  // Same size: the modification time tells.
  carpeta.write("AB000001.TXT", lineas("g", 0, 3) + lineas("f", 0, 20));
  QFile tocado(ruta);
  ASSERT_TRUE(tocado.open(QIODevice::ReadWrite));
  ASSERT_TRUE(
      tocado.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
  tocado.close();
  EXPECT_EQ(archivo.leer(0, 2), (QStringList{"g0", "g1"}));

  carpeta.write("AB000001.TXT", lineas("f", 0, 5));
  EXPECT_EQ(archivo.leer(0, 5), camposDe(lineas("f", 0, 5)));
  EXPECT_EQ(errorNumberOf([&] { archivo.leer(0, 6); }), ErrorNumber::InputPastEnd);
  EXPECT_EQ(archivo.leer(20, 8), QStringList());  // past the count of the opening

  QFile::remove(ruta);
  EXPECT_EQ(errorNumberOf([&] { archivo.leer(0, 1); }), ErrorNumber::FileNotFound);
}

TEST(ArchivoCampos, FailsAsThePlatformsFileOperationsDo) {
  TempFolder carpeta;
  EXPECT_EQ(errorNumberOf([&] { ArchivoCampos(carpeta.file("AB000001.TXT")); }), ErrorNumber::FileNotFound);
  EXPECT_EQ(errorNumberOf([&] { ArchivoCampos(carpeta.path()); }), ErrorNumber::PathFileAccess);
  carpeta.write("AB000001.TXT", "a,b");
  ArchivoCampos archivo(carpeta.file("AB000001.TXT"));
  EXPECT_EQ(errorNumberOf([&] { archivo.leer(-1, 1); }), ErrorNumber::InvalidCall);
}

}  // namespace
