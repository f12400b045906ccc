#include "loto/print/celdas_loto.h"

#include "app/platform/numbers.h"

namespace {

// The 49 and 54 grids: one ten a row, tens 0 to 5, the units from right to left.
constexpr int kDecenas = 6;

// Star "-" row column, one entry a star.
const QString kTablaEstrellas =
    QStringLiteral("01-03 02-02 03-01 04-00 05-23 06-22 07-21 08-20 09-43 10-42 11-41 12-40");

// A clave or a reintegro: "00" to "09", its digit; anything else names no box.
std::optional<int> cifraUnica(const QString& campo) {
  if (campo.size() != 2 || campo[0] != QLatin1Char('0') || campo[1] < QLatin1Char('0') ||
      campo[1] > QLatin1Char('9'))
    return std::nullopt;
  return campo[1].unicode() - '0';
}

}  // namespace

std::optional<CeldaLoto> celdaNumero(const JuegoLoto& juego, QStringView campo) {
  if (juego.compruebaCifras) {
    if (campo.size() != 2) return std::nullopt;
    const int decenas = campo[0].unicode() - '0';
    const int unidades = campo[1].unicode() - '0';
    if (decenas < 0 || decenas >= kDecenas || unidades < 0 || unidades > 9) return std::nullopt;
    return CeldaLoto{decenas, 9 - unidades};
  }
  // By value: a blank reads as 0, which would otherwise land in the box of 9.
  const double valor = textValue(campo.toString());
  if (!(valor >= 1 && valor <= juego.numMax)) return std::nullopt;
  const int n = int(roundHalfEven(valor));
  const int resto = n % 9 == 0 ? 9 : n % 9;
  return CeldaLoto{(n - 1) / 9, 9 - resto};
}

std::optional<CeldaLoto> celdaEstrella(const QString& estrella) {
  if (estrella.size() != 2) return std::nullopt;
  const qsizetype inicio = kTablaEstrellas.indexOf(estrella + QLatin1Char('-'));
  if (inicio < 0) return std::nullopt;
  return CeldaLoto{kTablaEstrellas[inicio + 3].digitValue(), kTablaEstrellas[inicio + 4].digitValue()};
}

std::optional<CeldaLoto> celdaClave(const QString& clave) {
  const std::optional<int> c = cifraUnica(clave);
  if (!c) return std::nullopt;
  return *c < 5 ? CeldaLoto{*c, 1} : CeldaLoto{*c - 5, 0};
}

std::optional<CeldaLoto> celdaReintegro(const QString& reintegro) {
  const std::optional<int> r = cifraUnica(reintegro);
  if (!r) return std::nullopt;
  return CeldaLoto{*r, 0};
}
