#pragma once
// The help list without its widget: the numbered entries and their selection,
// the word search with its record of matching line numbers, the jump from an
// index entry to its section, and the lines a print of the selection sends.
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

// A jump from the index: the heading found is selected, and the entry eight
// further down is to be brought into view so the section shows under it; that
// entry is left unselected, even when a search had selected it.
struct SaltoIndice {
  int encontrada;
  int mostrar;
};

class ListaAyuda {
 public:
  // The layout of the help text the list is made for: the index heading on
  // line 3, one index entry per line on lines 9 to 19, and the section
  // headings from line 19 on (positions counted from 0).
  static constexpr int kCabeceraIndice = 2;
  static constexpr int kPrimeraEntradaIndice = 8;
  static constexpr int kUltimaEntradaIndice = 18;
  static constexpr int kMaximoSimilitudes = 100;

  // "   12  Texto": the line number right-aligned in five characters, two
  // spaces, the line.
  static QString formaEntrada(int numero, const QString& linea);

  // One entry per line, numbered from 1; nothing selected.
  void cargar(const QStringList& lineas);

  int count() const { return entradas_.size(); }
  const QString& entrada(int posicion) const { return entradas_.at(posicion); }
  bool seleccionada(int posicion) const { return seleccion_.at(posicion); }
  void selecciona(int posicion, bool si) { seleccion_[posicion] = si; }
  void deseleccionaTodo();

  // Selects every entry holding `texto` (case ignored, line number included)
  // and answers the new content of the search box: the text, then
  // "   Nº Similitudes= " and the line numbers found. A text of fewer than two
  // characters changes nothing and answers nothing.
  std::optional<QString> buscar(const QString& texto);
  // The line-number prefixes the last search recorded, `numero` from 1; at
  // most kMaximoSimilitudes are kept, however many entries matched.
  int similitudesRegistradas() const { return registradas_; }
  const QString& similitud(int numero) const { return similitudes_.at(numero - 1); }

  // The jump from the index entry at `posicion` to the first section heading
  // naming it; nothing outside the index or when no heading names it.
  std::optional<SaltoIndice> saltoDesde(int posicion);
  // Selects the index heading and answers its position; nothing when the
  // text is too short to have one.
  std::optional<int> indice();

  // What printing the selection sends: each selected entry without its line
  // number (from the two spaces on), then the closing line.
  QStringList lineasImpresion() const;

 private:
  QStringList entradas_;
  QVector<bool> seleccion_;
  std::array<QString, kMaximoSimilitudes> similitudes_;
  int registradas_ = 0;
};
