// The bet files: counting, taking tickets out, and the matchday's file name.
#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>

#include "app/platform/delimited.h"
#include "quiniela/archivo_ad243.h"
#include "quiniela/archivo_texto_quiniela.h"
#include "quiniela/nombre_jornada.h"
#include "tests/quiniela/ayudas.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(ArchivoAD243, CountsWholeRecordsThenTakesTheHeadersCounts) {
  TempFolder carpeta;
  for (const auto& [bytes, boletos] :
       {std::pair{0, 0}, {125, 0}, {247, 0}, {248, 1}, {3 * 124, 2}, {495, 2}}) {
    carpeta.write("AD243", QByteArray(bytes, '1'));
    const RecuentoQuiniela recuento = ArchivoAD243(carpeta.file("AD243")).recuento();
    EXPECT_EQ(std::pair(recuento.napuestas, recuento.nboletos), std::pair(8 * boletos, boletos)) << bytes;
  }
  // Header positions 22-35: the bet count, two unread characters, the ticket count.
  for (const auto& [cabecera, napuestas, nboletos] :
       {std::tuple{"000040--000005", 40, 5}, {"  12ab--------", 12, 0}, {"--------000004", 32, 4}}) {
    carpeta.write("AD243", archivoAD243(2).replace(21, 14, cabecera));
    ArchivoAD243 archivo(carpeta.file("AD243"));
    const RecuentoQuiniela recuento = archivo.boleto(2).recuento;
    EXPECT_EQ(std::tuple(recuento.napuestas, recuento.nboletos, archivo.recuento().napuestas),
              std::tuple(napuestas, nboletos, 16))
        << cabecera;
  }
}

// Lines of every shape the input syntax treats specially: S stands for a bet's
// 14 signs, L for its first 6 and R for the other 8.
QByteArray desarrolloVariado(quint32 semilla) {
  const char* const formas[] = {"S1M",          "",  "   S",  "\"L,XR\"",     "S,L",
                                "\"S\"  resto", "L", "\tS02", "\"S\r\nS\" ,", "S"};
  const char* const finales[] = {"\r\n", "\r\n", "\n", "\r"};
  QRandomGenerator azar(semilla);
  QByteArray datos;
  for (int i = 0; i < 300; ++i) {
    const QByteArray s = apuesta(int(azar.bounded(4782969))).toLatin1();
    datos +=
        QByteArray(formas[azar.bounded(10)]).replace('L', s.left(6)).replace('R', s.mid(6)).replace('S', s) +
        finales[azar.bounded(4)];
  }
  return datos + (semilla % 2 ? "\"sin cerrar 1X2" : "");
}

TEST(ArchivoTextoQuiniela, EveryTicketEqualsReadingTheFieldsFromTheStart) {
  TempFolder carpeta;
  for (quint32 semilla : {1u, 2u, 2085u}) {
    const QByteArray datos = desarrolloVariado(semilla);
    carpeta.write("Qp12  33.TXT", datos);
    QStringList campos;
    for (DelimitedReader lector(datos); !lector.atEnd();) campos << lector.next();
    ArchivoTextoQuiniela archivo(carpeta.file("Qp12  33.TXT"), "Qp12  33.TXT");
    ASSERT_EQ(std::pair(archivo.recuento().napuestas, archivo.recuento().nboletos),
              std::pair(qint32(campos.size()), qint32(campos.size() + 7) / 8));
    EXPECT_LE(archivo.bytesIndice(), 4 * (archivo.recuento().nboletos + 1)) << "half a byte a bet";
    for (qint32 t = 1; t <= archivo.recuento().nboletos + 1; ++t) {
      // 14 signs a field, blank-padded; characters 15-16 of the first field, or 1 and 1.
      const QStringList suyos = campos.mid(8 * (t - 1), 8);
      QString apuestas, pleno = "1|1";
      for (const QString& campo : suyos) apuestas += campo.left(14).leftJustified(14);
      if (!suyos.isEmpty() && suyos[0].size() > 14) pleno = suyos[0].mid(14, 1) + "|" + suyos[0].mid(15, 1);
      const BoletoQuiniela leido = archivo.boleto(t).boleto;
      ASSERT_EQ(leido.apuestas + leido.plenoLocal + "|" + leido.plenoVisitante + leido.jornada,
                apuestas.leftJustified(112) + pleno + "33")
          << "seed " << semilla << ", ticket " << t;
    }
  }
}

TEST(ArchivoTextoQuiniela, AFileChangedSinceOpeningIsReadAsItNowIs) {
  TempFolder carpeta;
  carpeta.write("Qp07.TXT", archivoTexto(3));
  ArchivoTextoQuiniela archivo(carpeta.file("Qp07.TXT"), "Qp07.TXT");
  // More bets than at the opening: only as many as were counted are read.
  carpeta.write("Qp07.TXT", "  \"2222222222222221\"\r\n" + archivoTexto(3));
  const BoletoQuiniela boleto = archivo.boleto(1).boleto;
  EXPECT_EQ(boleto.apuestas + boleto.plenoLocal + boleto.plenoVisitante,
            ("22222222222222" + apuesta(1) + apuesta(2)).leftJustified(112) + "21");
  carpeta.write("Qp07.TXT", archivoTexto(1));
  EXPECT_EQ(errorNumberOf([&] { archivo.boleto(1); }), ErrorNumber::InputPastEnd);
  carpeta.remove("Qp07.TXT");
  EXPECT_EQ(errorNumberOf([&] { archivo.boleto(1); }), ErrorNumber::FileNotFound);
}

TEST(NombreJornada, NumbersGetTwoDigitsOtherAnswersStayAsTypedAndFoldersAreRefused) {
  const std::pair<const char*, const char*> casos[] = {
      {"  7 ", "Qp07.TXT"}, {"123", "Qp123.TXT"}, {"2.5", "Qp02.TXT"},    {"3.5", "Qp04.TXT"},
      {"-3", "Qp-03.TXT"},  {"7a", "Qp7a.TXT"},   {"1e99", "Qp1e99.TXT"}, {"", ""},
      {"../07", "-"},       {"a/b", "-"},         {"sub\\07", "-"},       {"C:07", "-"}};
  for (const auto& [respuesta, nombre] : casos)
    EXPECT_EQ(nombreArchivoJornada(respuesta).value_or("-"), nombre) << respuesta;
}

}  // namespace
