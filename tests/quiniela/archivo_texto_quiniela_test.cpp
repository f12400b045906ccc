#include "quiniela/archivo_texto_quiniela.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>

#include "app/platform/delimited.h"
#include "tests/quiniela/ayudas.h"
#include "tests/support/temp_folder.h"

namespace {

QByteArray lineas(const QList<QByteArray>& lista, const QByteArray& fin = "\r\n") {
  QByteArray datos;
  for (const QByteArray& linea : lista) datos += linea + fin;
  return datos;
}

// Bet n of 14 signs, different for every n below 3^14.
QByteArray apuesta(int n) {
  QByteArray signos(14, '1');
  for (int partido = 13; partido >= 0; --partido, n /= 3) signos[partido] = "1X2"[n % 3];
  return signos;
}

TEST(ArchivoTextoQuiniela, SeventeenLinesMakeThreeTicketsTheLastOfOneBet) {
  QList<QByteArray> lista;
  for (int n = 0; n < 17; ++n) lista << apuesta(n) + (n % 8 == 0 ? "0M" : "");
  TempFolder carpeta;
  carpeta.write("Qp07.TXT", lineas(lista));
  ArchivoTextoQuiniela archivo(carpeta.file("Qp07.TXT"), "Qp07.TXT");
  EXPECT_EQ(archivo.recuento().napuestas, 17);
  EXPECT_EQ(archivo.recuento().nboletos, 3);

  QString primeras;
  for (int n = 0; n < 8; ++n) primeras += QString::fromLatin1(apuesta(n));
  const BoletoLeido primero = archivo.boleto(1);
  EXPECT_EQ(primero.boleto.apuestas, primeras);
  EXPECT_EQ(primero.boleto.jornada, "07");
  EXPECT_EQ(primero.recuento.napuestas, 17);
  EXPECT_EQ(primero.recuento.nboletos, 3);

  const BoletoQuiniela tercero = archivo.boleto(3).boleto;
  EXPECT_EQ(tercero.apuestas, QString::fromLatin1(apuesta(16)) + QString(98, ' '));
  EXPECT_EQ(tercero.plenoLocal + tercero.plenoVisitante, "0M");
}

struct CasoCampos {
  QStringList campos;
  const char* apuestas;  // the bet block without its blank padding
  const char* plenoLocal;
  const char* plenoVisitante;
};

void PrintTo(const CasoCampos& c, std::ostream* out) {
  *out << c.campos.join('|').toStdString();
}

class CamposDeBoleto : public ::testing::TestWithParam<CasoCampos> {};

TEST_P(CamposDeBoleto, TakeFourteenSignsAndThePlenoOfTheFirstField) {
  const CasoCampos& c = GetParam();
  const BoletoQuiniela boleto = ArchivoTextoQuiniela::boletoDeCampos(c.campos, "07");
  EXPECT_EQ(boleto.apuestas, QString::fromLatin1(c.apuestas).leftJustified(112));
  EXPECT_EQ(boleto.plenoLocal, c.plenoLocal);
  EXPECT_EQ(boleto.plenoVisitante, c.plenoVisitante);
  EXPECT_EQ(boleto.jornada, "07");
}

INSTANTIATE_TEST_SUITE_P(
    Campos, CamposDeBoleto,
    ::testing::Values(CasoCampos{{"1X21X21X21X21X01"}, "1X21X21X21X21X", "0", "1"},
                      CasoCampos{{"1X21X21X21X21X"}, "1X21X21X21X21X", "1", "1"},
                      CasoCampos{{"1X21X21X21X21XM"}, "1X21X21X21X21X", "M", ""},
                      CasoCampos{{"1X21X21X21X21X2M99"}, "1X21X21X21X21X", "2", "M"},
                      CasoCampos{{"1X2"}, "1X2           ", "1", "1"}, CasoCampos{{""}, "", "1", "1"},
                      CasoCampos{{}, "", "1", "1"},
                      CasoCampos{
                          {"11111111111111", "2222222222222202"}, "1111111111111122222222222222", "1", "1"}));

TEST(ArchivoTextoQuiniela, LinuxLineEndsReadLikeWindowsOnes) {
  QList<QByteArray> lista{"1X21X21X21X21X0M", "", "  22222222222222", "XXXXXXXXXXXXXX"};
  for (int n = 0; n < 13; ++n) lista << apuesta(n * 7);
  TempFolder carpeta;
  carpeta.write("Qp01.TXT", lineas(lista, "\r\n"));
  carpeta.write("Qp02.TXT", lineas(lista, "\n"));
  ArchivoTextoQuiniela conCrLf(carpeta.file("Qp01.TXT"), "Qp01.TXT");
  ArchivoTextoQuiniela conLf(carpeta.file("Qp02.TXT"), "Qp02.TXT");
  ASSERT_EQ(conLf.recuento().napuestas, 17);
  ASSERT_EQ(conLf.recuento().nboletos, conCrLf.recuento().nboletos);
  for (qint32 t = 1; t <= 3; ++t) {
    const BoletoQuiniela a = conCrLf.boleto(t).boleto;
    const BoletoQuiniela b = conLf.boleto(t).boleto;
    EXPECT_EQ(a.apuestas, b.apuestas) << t;
    EXPECT_EQ(a.plenoLocal + a.plenoVisitante, b.plenoLocal + b.plenoVisitante) << t;
  }
}

// Lines of every shape the input syntax treats specially.
QByteArray desarrolloVariado(quint32 semilla, int cuantas) {
  QRandomGenerator azar(semilla);
  const QByteArray finales[] = {"\r\n", "\r\n", "\n", "\r"};
  QByteArray datos;
  for (int i = 0; i < cuantas; ++i) {
    const QByteArray signos = apuesta(int(azar.bounded(4782969)));
    switch (azar.bounded(11)) {
      case 0: datos += signos + "1M"; break;
      case 1: break;  // an empty line
      case 2: datos += "   " + signos; break;
      case 3: datos += '"' + signos.left(6) + ",X" + signos.mid(6) + "\""; break;
      case 4: datos += signos + "," + signos.left(9); break;
      case 5: datos += '"' + signos + "\"  resto"; break;
      case 6: datos += signos.left(5); break;
      case 7: datos += "\t" + signos + "02"; break;
      case 8: datos += '"' + signos + "\r\n" + signos + "\" ,"; break;  // a quote over two lines
      default: datos += signos; break;
    }
    datos += finales[azar.bounded(4)];
  }
  if (azar.bounded(2) == 0) datos += "\"sin cerrar 1X2";
  return datos;
}

// A seed for the file, and the size of the blocks it is counted in: small
// blocks cut fields, quotes and CR LF pairs at every place.
class IndiceEquivalente : public ::testing::TestWithParam<std::tuple<quint32, qint64>> {};

TEST_P(IndiceEquivalente, EveryTicketEqualsReadingTheFieldsFromTheStart) {
  const auto [semilla, bloque] = GetParam();
  const QByteArray datos = desarrolloVariado(semilla, 300);
  TempFolder carpeta;
  carpeta.write("Qp33.TXT", datos);
  ArchivoTextoQuiniela archivo(carpeta.file("Qp33.TXT"), "Qp33.TXT", bloque);

  QStringList campos;
  DelimitedReader lector(datos);
  while (!lector.atEnd()) campos << lector.next();
  ASSERT_EQ(archivo.recuento().napuestas, campos.size());
  ASSERT_EQ(archivo.recuento().nboletos, (campos.size() + 7) / 8);

  for (qint32 t = 1; t <= archivo.recuento().nboletos + 1; ++t) {
    const BoletoQuiniela esperado = ArchivoTextoQuiniela::boletoDeCampos(campos.mid(8 * (t - 1), 8), "33");
    const BoletoQuiniela leido = archivo.boleto(t).boleto;
    ASSERT_EQ(leido.apuestas, esperado.apuestas) << "ticket " << t;
    ASSERT_EQ(leido.plenoLocal, esperado.plenoLocal) << "ticket " << t;
    ASSERT_EQ(leido.plenoVisitante, esperado.plenoVisitante) << "ticket " << t;
  }
}

INSTANTIATE_TEST_SUITE_P(Semillas, IndiceEquivalente,
                         ::testing::Combine(::testing::Values(1u, 2u, 3u, 15u, 2085u),
                                            ::testing::Values(1, 2, 7, 64, 1 << 20)));

TEST(ArchivoTextoQuiniela, ATicketBeyondTheBetsIsBlankWithPlenoOneOne) {
  TempFolder carpeta;
  carpeta.write("Qp07.TXT", lineas({"1X21X21X21X21X0M", "22222222222222"}));
  ArchivoTextoQuiniela archivo(carpeta.file("Qp07.TXT"), "Qp07.TXT");
  const BoletoQuiniela boleto = archivo.boleto(2).boleto;
  EXPECT_EQ(boleto.apuestas, QString(112, ' '));
  EXPECT_EQ(boleto.plenoLocal + boleto.plenoVisitante, "11");
}

TEST(ArchivoTextoQuiniela, AFileChangedSinceOpeningIsReadAsItNowIs) {
  TempFolder carpeta;
  carpeta.write("Qp07.TXT", lineas({"11111111111111", "22222222222222", "XXXXXXXXXXXXXX"}));
  ArchivoTextoQuiniela archivo(carpeta.file("Qp07.TXT"), "Qp07.TXT");

  // More bets than at the opening: only as many as were counted are read.
  carpeta.write("Qp07.TXT",
                lineas({"  \"2222222222222221\"", "11111111111111", "1X21X21X21X21X", "XXXXXXXXXXXXXX"}));
  const BoletoQuiniela boleto = archivo.boleto(1).boleto;
  EXPECT_EQ(boleto.apuestas, ("22222222222222111111111111111X21X21X21X21X" + QString(70, ' ')));
  EXPECT_EQ(boleto.plenoLocal + boleto.plenoVisitante, "21");
  EXPECT_EQ(archivo.boleto(1).recuento.napuestas, 3);

  carpeta.write("Qp07.TXT", lineas({"11111111111111"}));
  EXPECT_EQ(errorDe([&] { archivo.boleto(1); }), ErrorNumber::InputPastEnd);

  QFile::remove(carpeta.file("Qp07.TXT"));
  EXPECT_EQ(errorDe([&] { archivo.boleto(1); }), ErrorNumber::FileNotFound);
}

TEST(ArchivoTextoQuiniela, AMissingFileOrTheBareFolderFailsWhenOpened) {
  TempFolder carpeta;
  EXPECT_EQ(errorDe([&] { abrirDesarrollo(2, carpeta.file("Qp07.TXT"), "Qp07.TXT"); }),
            ErrorNumber::FileNotFound);
  // An empty matchday answer leaves the program folder as the file to open.
  EXPECT_EQ(errorDe([&] { abrirDesarrollo(2, carpeta.path(), ""); }), ErrorNumber::PathFileAccess);
  EXPECT_EQ(errorDe([&] { abrirDesarrollo(1, carpeta.path(), ""); }), ErrorNumber::PathFileAccess);
}

TEST(ArchivoTextoQuiniela, TheMatchdayIsTheTwoCharactersBeforeTheExtension) {
  TempFolder carpeta;
  carpeta.write("Qp12  23.TXT", lineas({"1X21X21X21X21X"}));
  EXPECT_EQ(ArchivoTextoQuiniela(carpeta.file("Qp12  23.TXT"), "Qp12  23.TXT").boleto(1).boleto.jornada,
            "23");
}

TEST(IndiceBoletos, KeepsTheIndexWithinHalfAByteABet) {
  TempFolder carpeta;
  QList<QByteArray> lista;
  for (int n = 0; n < 8000; ++n) lista << apuesta(n);
  carpeta.write("Qp07.TXT", lineas(lista));
  ArchivoTextoQuiniela archivo(carpeta.file("Qp07.TXT"), "Qp07.TXT");
  EXPECT_LE(archivo.bytesIndice(), 8000 / 2 + 4);
  EXPECT_EQ(archivo.boleto(1000).boleto.apuestas.left(14), QString::fromLatin1(apuesta(7992)));
}

}  // namespace
