#include "help/lista_ayuda.h"

#include <gtest/gtest.h>

#include <QMap>

namespace {

// A text of `count` lines, "texto" everywhere except where `special` says.
QStringList lineas(int count, const QMap<int, QString>& special = {}) {
  QStringList result;
  for (int n = 1; n <= count; ++n) result.append(special.value(n, QStringLiteral("texto")));
  return result;
}

QVector<int> seleccionadas(const ListaAyuda& lista) {
  QVector<int> result;
  for (int i = 0; i < lista.count(); ++i)
    if (lista.seleccionada(i)) result.append(i);
  return result;
}

TEST(ListaAyuda, EntriesCarryTheLineNumberInFiveCharacters) {
  const struct {
    int numero;
    QString linea, entrada;
  } cases[] = {
      {1, "Ayuda", "    1  Ayuda"},
      {12, "", "   12  "},
      {140, "  Bonoloto año", "  140    Bonoloto año"},
      {12345, "x", "12345  x"},
  };
  for (const auto& c : cases) EXPECT_EQ(ListaAyuda::formaEntrada(c.numero, c.linea), c.entrada) << c.numero;

  ListaAyuda lista;
  lista.cargar({"uno", "dos"});
  ASSERT_EQ(lista.count(), 2);
  EXPECT_EQ(lista.entrada(1), "    2  dos");
  EXPECT_TRUE(seleccionadas(lista).isEmpty());
}

TEST(ListaAyuda, SearchSelectsTheMatchesAndListsTheirNumbers) {
  ListaAyuda lista;
  lista.cargar(lineas(150, {{12, "Juegos: Bonoloto"}, {140, "BONOLOTO y Primitiva"}}));
  lista.selecciona(3, true);

  EXPECT_EQ(lista.buscar("Bonoloto"), QStringLiteral("Bonoloto   Nº Similitudes=    12  140"));
  EXPECT_EQ(seleccionadas(lista), (QVector<int>{11, 139}));
  ASSERT_EQ(lista.similitudesRegistradas(), 2);
  EXPECT_EQ(lista.similitud(1), "   12");
  EXPECT_EQ(lista.similitud(2), "  140");

  // No match: the previous selection goes, and nothing follows the label.
  EXPECT_EQ(lista.buscar("Quiniela"), QStringLiteral("Quiniela   Nº Similitudes= "));
  EXPECT_TRUE(seleccionadas(lista).isEmpty());
  EXPECT_EQ(lista.similitudesRegistradas(), 0);
}

TEST(ListaAyuda, SearchIgnoresCaseAndLooksAtTheLineNumberToo) {
  const struct {
    QString buscado;
    QVector<int> lineas;
  } cases[] = {
      {"bonoLOTO", {3, 7}},
      {"IMPRESIÓN", {5}},
      {"impresión", {5}},
      // Line numbers are part of what is searched.
      {"12", {12, 112, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129}},
      {"  9  ", {9}},
  };
  for (const auto& c : cases) {
    ListaAyuda lista;
    lista.cargar(lineas(130, {{3, "bonoloto"}, {5, "Impresión parcial"}, {7, "BoNoLoTo"}}));
    const std::optional<QString> resultado = lista.buscar(c.buscado);
    ASSERT_TRUE(resultado) << c.buscado.toStdString();
    QVector<int> esperadas;
    QString numeros;
    for (int n : c.lineas) {
      esperadas.append(n - 1);
      numeros += QString::number(n).rightJustified(5);
    }
    EXPECT_EQ(seleccionadas(lista), esperadas) << c.buscado.toStdString();
    EXPECT_EQ(*resultado, c.buscado + "   Nº Similitudes= " + numeros);
  }
}

TEST(ListaAyuda, SearchOfFewerThanTwoCharactersChangesNothing) {
  ListaAyuda lista;
  lista.cargar(lineas(20, {{4, "a"}}));
  ASSERT_TRUE(lista.buscar("texto"));
  lista.selecciona(3, true);
  const QVector<int> antes = seleccionadas(lista);
  for (const QString& corto : {QString(), QStringLiteral("a")}) {
    EXPECT_FALSE(lista.buscar(corto));
    EXPECT_EQ(seleccionadas(lista), antes);
    EXPECT_EQ(lista.similitudesRegistradas(), 19);
  }
}

TEST(ListaAyuda, MoreThanAHundredMatchesAreAllSelectedButAHundredRecorded) {
  ListaAyuda lista;
  lista.cargar(lineas(250));
  const std::optional<QString> resultado = lista.buscar("texto");
  ASSERT_TRUE(resultado);
  EXPECT_EQ(seleccionadas(lista).size(), 250);
  ASSERT_EQ(lista.similitudesRegistradas(), 100);
  EXPECT_EQ(lista.similitud(100), "  100");
  EXPECT_EQ(resultado->size(), QStringLiteral("texto   Nº Similitudes= ").size() + 100 * 5);
  EXPECT_TRUE(resultado->endsWith("   99  100"));
}

TEST(ListaAyuda, EmptyTextAlwaysReportsNoMatches) {
  ListaAyuda lista;
  lista.cargar({});
  EXPECT_EQ(lista.buscar("Bonoloto"), QStringLiteral("Bonoloto   Nº Similitudes= "));
  EXPECT_FALSE(lista.indice());
  EXPECT_FALSE(lista.saltoDesde(8));
  EXPECT_EQ(lista.lineasImpresion(), QStringList{" Vadrilo , Ayuda ---------"});
}

// Index entries on lines 9 to 19, headings set off by four characters.
QStringList textoConIndice(int secciones) {
  QStringList t = lineas(8, {{3, "INDICE"}});
  for (int n = 1; n <= 11; ++n) t.append(QStringLiteral("Apartado %1").arg(n, 2, 10, QChar('0')));
  for (int n = 1; n <= secciones; ++n) {
    t.append(QStringLiteral("=== Apartado %1").arg(n, 2, 10, QChar('0')));
    t.append(lineas(4));
  }
  return t;
}

TEST(ListaAyuda, IndexEntryJumpsToItsHeading) {
  ListaAyuda lista;
  lista.cargar(textoConIndice(11));
  const std::optional<SaltoIndice> salto = lista.saltoDesde(10);  // "Apartado 03"
  ASSERT_TRUE(salto);
  EXPECT_EQ(salto->encontrada, 19 + 2 * 5);
  EXPECT_EQ(salto->mostrar, salto->encontrada + 8);
  EXPECT_EQ(seleccionadas(lista), QVector<int>{salto->encontrada});

  // Near the end the view goes only as far as the last entry.
  const std::optional<SaltoIndice> ultimo = lista.saltoDesde(18);
  ASSERT_TRUE(ultimo);
  EXPECT_EQ(ultimo->encontrada, lista.count() - 5);
  EXPECT_EQ(ultimo->mostrar, lista.count() - 1);
}

TEST(ListaAyuda, OnlyIndexPositionsJump) {
  ListaAyuda lista;
  QStringList t = textoConIndice(11);
  t[6] = "Apartado 01";  // outside the index, though a heading names it
  lista.cargar(t);
  for (int posicion : {0, 2, 6, 7, 19, 20, lista.count() - 1}) {
    EXPECT_FALSE(lista.saltoDesde(posicion)) << posicion;
  }
  EXPECT_TRUE(seleccionadas(lista).isEmpty());
  EXPECT_TRUE(lista.saltoDesde(8));
}

TEST(ListaAyuda, HeadingIsLookedForInItsCharactersFiveToTwentyFour) {
  const struct {
    QString entrada, titulo;
    bool encuentra;
  } cases[] = {
      {"Series de cinco", "=== SERIES DE CINCO", true},
      {"   Series de cinco   ", "    series de cinco", true},    // blanks round the entry do not count
      {"Series de cinco", "Series de cinco", false},             // at the line's start
      {"Series de cinco", "=== Vease: Series de cinco", false},  // past character 24
      {"Impresión parcial y mucho más", "=== Impresión parcial y muc", true},  // 20 characters count
      {"", "=== ", false},  // a blank index line names nothing
  };
  for (const auto& c : cases) {
    QStringList t = lineas(30);
    t[8] = c.entrada;
    t[25] = c.titulo;
    ListaAyuda lista;
    lista.cargar(t);
    const std::optional<SaltoIndice> salto = lista.saltoDesde(8);
    EXPECT_EQ(bool(salto), c.encuentra) << c.entrada.toStdString() << " / " << c.titulo.toStdString();
    if (salto) {
      EXPECT_EQ(salto->encontrada, 25);
    }
  }
}

TEST(ListaAyuda, IndiceSelectsTheIndexHeadingAndKeepsTheRest) {
  ListaAyuda lista;
  lista.cargar(textoConIndice(2));
  lista.selecciona(25, true);
  EXPECT_EQ(lista.indice(), 2);
  EXPECT_EQ(seleccionadas(lista), (QVector<int>{2, 25}));

  lista.cargar({"uno", "dos"});
  EXPECT_FALSE(lista.indice());
  EXPECT_TRUE(seleccionadas(lista).isEmpty());
}

TEST(ListaAyuda, PrintSendsTheSelectedLinesWithoutTheirNumbersThenTheClosingLine) {
  ListaAyuda lista;
  lista.cargar(lineas(12, {{2, "Bonoloto"}, {11, " Euromillones"}}));
  lista.selecciona(10, true);
  lista.selecciona(1, true);
  EXPECT_EQ(lista.lineasImpresion(),
            (QStringList{"  Bonoloto", "   Euromillones", " Vadrilo , Ayuda ---------"}));
  lista.deseleccionaTodo();
  EXPECT_EQ(lista.lineasImpresion(), QStringList{" Vadrilo , Ayuda ---------"});
}

}  // namespace
