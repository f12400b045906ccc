// The help text shipped beside the program, data/lotoAy.txt, read as the help
// window reads it.
#include <gtest/gtest.h>

#include "app/platform/ansi.h"
#include "app/platform/delimited.h"
#include "app/platform/files.h"
#include "help/lista_ayuda.h"

namespace {

const QString kTexto = QStringLiteral(TIQUERON_DATA_DIR "lotoAy.txt");

QStringList lineasDelTexto() {
  return readLines(decodeAnsi(readFileBytes(kTexto)));
}

TEST(TextoAyuda, IsWindowsAnsiTextWithCrLfLines) {
  const QByteArray bytes = readFileBytes(kTexto);
  ASSERT_FALSE(bytes.isEmpty());
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  // Every line end is CR LF: no CR or LF on its own.
  EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
  EXPECT_EQ(bytes.count('\r'), bytes.count('\n'));
  const QString texto = decodeAnsi(bytes);
  // Accents are single bytes of the code page, not UTF-8 pairs.
  EXPECT_TRUE(texto.contains(QStringLiteral("Impresión parcial")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Nº")));
  EXPECT_FALSE(texto.contains(QStringLiteral("Ã")));

  const QStringList lineas = lineasDelTexto();
  ASSERT_GT(lineas.size(), ListaAyuda::kUltimaEntradaIndice + 11);
  EXPECT_EQ(lineas.at(ListaAyuda::kCabeceraIndice), QStringLiteral("INDICE"));
  for (int i = 0; i < lineas.size(); ++i) EXPECT_LE(lineas.at(i).size(), 90) << "line " << i + 1;
}

TEST(TextoAyuda, EveryIndexEntryLeadsToItsOwnSection) {
  const QStringList lineas = lineasDelTexto();
  int anterior = ListaAyuda::kUltimaEntradaIndice;
  for (int p = ListaAyuda::kPrimeraEntradaIndice; p <= ListaAyuda::kUltimaEntradaIndice; ++p) {
    const QString entrada = lineas.at(p);
    ASSERT_FALSE(entrada.trimmed().isEmpty()) << "line " << p + 1;
    ASSERT_LE(entrada.trimmed().size(), 20) << entrada.toStdString();

    ListaAyuda lista;
    lista.cargar(lineas);
    const std::optional<SaltoIndice> salto = lista.saltoDesde(p);
    ASSERT_TRUE(salto) << entrada.toStdString();
    const QString titulo = lineas.at(salto->encontrada);
    EXPECT_EQ(titulo, "=== " + entrada.trimmed() + " ===") << entrada.toStdString();
    // Sections follow the index, in its order.
    EXPECT_GT(salto->encontrada, anterior) << entrada.toStdString();
    anterior = salto->encontrada;
    EXPECT_TRUE(lista.seleccionada(salto->encontrada));
  }
}

}  // namespace
