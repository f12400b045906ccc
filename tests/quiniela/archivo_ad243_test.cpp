#include "quiniela/archivo_ad243.h"

#include <gtest/gtest.h>

#include <QFile>

#include "tests/quiniela/ayudas.h"
#include "tests/support/temp_folder.h"

namespace {

// A header: matchday at 7-8, bet count at 22-27, ticket count at 30-35.
QByteArray cabecera(const QByteArray& apuestas, const QByteArray& boletos, const QByteArray& jornada = "07") {
  return (QByteArray("ONLAE0") + jornada + QByteArray(13, '-') + apuestas + "--" + boletos)
      .leftJustified(124, '-');
}

QByteArray registro(char signo, const QByteArray& pleno) {
  return QByteArray("0000000001") + QByteArray(112, signo) + pleno;
}

struct CasoLongitud {
  int bytes;
  qint32 napuestas;
  qint32 nboletos;
};

void PrintTo(const CasoLongitud& c, std::ostream* out) {
  *out << c.bytes << " bytes";
}

class RecuentoAD243 : public ::testing::TestWithParam<CasoLongitud> {};

TEST_P(RecuentoAD243, CountsWholeRecordsAfterTheHeader) {
  const CasoLongitud c = GetParam();
  TempFolder carpeta;
  carpeta.write("AD243", cabecera("000099", "000099").leftJustified(c.bytes, 'X', true));
  const ArchivoAD243 archivo(carpeta.file("AD243"));
  EXPECT_EQ(archivo.recuento().napuestas, c.napuestas);
  EXPECT_EQ(archivo.recuento().nboletos, c.nboletos);
}

INSTANTIATE_TEST_SUITE_P(Longitudes, RecuentoAD243,
                         ::testing::Values(CasoLongitud{0, 0, 0}, CasoLongitud{100, 0, 0},
                                           CasoLongitud{124, 0, 0}, CasoLongitud{125, 0, 0},
                                           CasoLongitud{247, 0, 0}, CasoLongitud{248, 8, 1},
                                           CasoLongitud{3 * 124, 16, 2}, CasoLongitud{3 * 124 + 123, 16, 2},
                                           CasoLongitud{11 * 124, 80, 10}));

struct CasoCabecera {
  const char* apuestas;
  const char* boletos;
  qint32 napuestas;
  qint32 nboletos;
};

void PrintTo(const CasoCabecera& c, std::ostream* out) {
  *out << c.apuestas << "/" << c.boletos;
}

class CabeceraAD243 : public ::testing::TestWithParam<CasoCabecera> {};

TEST_P(CabeceraAD243, TakingATicketOutReplacesTheCountsByTheHeaders) {
  const CasoCabecera c = GetParam();
  TempFolder carpeta;
  carpeta.write("AD243", cabecera(c.apuestas, c.boletos) + registro('1', "01") + registro('X', "21"));
  ArchivoAD243 archivo(carpeta.file("AD243"));
  ASSERT_EQ(archivo.recuento().napuestas, 16);
  const BoletoLeido leido = archivo.boleto(1);
  EXPECT_EQ(leido.recuento.napuestas, c.napuestas);
  EXPECT_EQ(leido.recuento.nboletos, c.nboletos);
  EXPECT_EQ(archivo.recuento().napuestas, 16) << "the counts of the opening stay as they were";
}

INSTANTIATE_TEST_SUITE_P(Cabeceras, CabeceraAD243,
                         ::testing::Values(CasoCabecera{"000040", "000005", 40, 5},
                                           CasoCabecera{"000000", "000003", 24, 3},
                                           CasoCabecera{"  12ab", "000002", 12, 2},
                                           CasoCabecera{"------", "000004", 32, 4},
                                           CasoCabecera{"000017", "------", 17, 0}));

TEST(ArchivoAD243, TakesTheBetBlockPlenoAndMatchdayOfTheTicketsRecord) {
  TempFolder carpeta;
  const QByteArray bloque = QByteArray("1X2X21X21X21X2").repeated(8);
  carpeta.write("AD243", cabecera("000016", "000002", "12") + registro('1', "0M") + QByteArray("0000000002") +
                             bloque + "M2");
  ArchivoAD243 archivo(carpeta.file("AD243"));
  const BoletoQuiniela segundo = archivo.boleto(2).boleto;
  EXPECT_EQ(segundo.apuestas, QString::fromLatin1(bloque));
  EXPECT_EQ(segundo.plenoLocal, "M");
  EXPECT_EQ(segundo.plenoVisitante, "2");
  EXPECT_EQ(segundo.jornada, "12");
  const BoletoQuiniela primero = archivo.boleto(1).boleto;
  EXPECT_EQ(primero.apuestas, QString(112, '1'));
  EXPECT_EQ(primero.plenoLocal + primero.plenoVisitante, "0M");
}

TEST(ArchivoAD243, ATicketBeyondTheRecordsIsBlank) {
  TempFolder carpeta;
  // The header promises 5 tickets; the file holds 2 and half of a third.
  carpeta.write("AD243", cabecera("000040", "000005") + registro('1', "01") + registro('2', "12") +
                             registro('X', "M0").left(60));
  ArchivoAD243 archivo(carpeta.file("AD243"));
  for (qint32 t : {3, 4, 5, 1000}) {
    const BoletoLeido leido = archivo.boleto(t);
    EXPECT_EQ(leido.boleto.apuestas, QString(112, ' ')) << t;
    EXPECT_EQ(leido.boleto.plenoLocal, " ") << t;
    EXPECT_EQ(leido.boleto.plenoVisitante, " ") << t;
    EXPECT_EQ(leido.boleto.jornada, "07") << t;
    EXPECT_EQ(leido.recuento.napuestas, 40) << t;
  }
  EXPECT_EQ(archivo.boleto(2).boleto.apuestas, QString(112, '2'));
}

TEST(ArchivoAD243, AMissingFileFailsWithTheNumberTheUserIsShown) {
  TempFolder carpeta;
  EXPECT_EQ(errorDe([&] { ArchivoAD243 archivo(carpeta.file("AD243")); }), ErrorNumber::FileNotFound);
  carpeta.write("AD243", cabecera("000008", "000001") + registro('1', "01"));
  ArchivoAD243 archivo(carpeta.file("AD243"));
  QFile::remove(carpeta.file("AD243"));
  EXPECT_EQ(errorDe([&] { archivo.boleto(1); }), ErrorNumber::FileNotFound);
}

}  // namespace
