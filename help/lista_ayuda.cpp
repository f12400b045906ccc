#include "help/lista_ayuda.h"

#include <algorithm>

namespace {

constexpr int kAnchoNumero = 5;
// Where an entry's text starts, and where a heading carries its index text
// (four characters into the line, so a heading can be set off as "=== ").
constexpr int kInicioTexto = kAnchoNumero + 2;
constexpr int kInicioTituloSeccion = kInicioTexto + 4;
constexpr int kAnchoClave = 20;
// Lines shown under a heading after a jump.
constexpr int kLineasBajoTitulo = 8;

const QString kSeparadorSimilitudes = QStringLiteral("   Nº Similitudes= ");
const QString kLineaCierre = QStringLiteral(" Vadrilo , Ayuda ---------");

// Blanks only, as the index is typed with them; other characters count.
QString sinBlancos(const QString& texto) {
  qsizetype inicio = 0, fin = texto.size();
  while (inicio < fin && texto.at(inicio) == u' ') ++inicio;
  while (fin > inicio && texto.at(fin - 1) == u' ') --fin;
  return texto.mid(inicio, fin - inicio);
}

}  // namespace

QString ListaAyuda::formaEntrada(int numero, const QString& linea) {
  return QString::number(numero).rightJustified(kAnchoNumero) + QStringLiteral("  ") + linea;
}

void ListaAyuda::cargar(const QStringList& lineas) {
  entradas_.clear();
  for (int i = 0; i < lineas.size(); ++i) entradas_.append(formaEntrada(i + 1, lineas.at(i)));
  seleccion_ = QVector<bool>(entradas_.size(), false);
}

void ListaAyuda::deseleccionaTodo() {
  std::fill(seleccion_.begin(), seleccion_.end(), false);
}

std::optional<QString> ListaAyuda::buscar(const QString& texto) {
  if (texto.size() < 2) return std::nullopt;
  deseleccionaTodo();
  const QString buscado = texto.toLower();
  registradas_ = 0;
  for (int i = 0; i < entradas_.size(); ++i) {
    if (!entradas_.at(i).toLower().contains(buscado)) continue;
    seleccion_[i] = true;
    if (registradas_ < kMaximoSimilitudes) similitudes_[registradas_++] = entradas_.at(i).left(kAnchoNumero);
  }
  QString resultado = texto + kSeparadorSimilitudes;
  for (int k = 0; k < registradas_; ++k) resultado += similitudes_[k];
  return resultado;
}

std::optional<SaltoIndice> ListaAyuda::saltoDesde(int posicion) {
  if (posicion < kPrimeraEntradaIndice || posicion > kUltimaEntradaIndice || posicion >= count())
    return std::nullopt;
  const QString clave = sinBlancos(entradas_.at(posicion).mid(kInicioTexto, kAnchoClave)).toLower();
  // A blank index line names no section.
  if (clave.isEmpty()) return std::nullopt;
  for (int i = kUltimaEntradaIndice; i < count(); ++i) {
    if (!entradas_.at(i).mid(kInicioTituloSeccion, kAnchoClave).toLower().contains(clave)) continue;
    seleccion_[i] = true;
    // Only shown, never selected, even after a search found it: it would be
    // printed with the section.
    const int bajo = i + kLineasBajoTitulo;
    if (bajo < count()) seleccion_[bajo] = false;
    return SaltoIndice{i, std::min(bajo, count() - 1)};
  }
  return std::nullopt;
}

std::optional<int> ListaAyuda::indice() {
  if (kCabeceraIndice >= count()) return std::nullopt;
  seleccion_[kCabeceraIndice] = true;
  return kCabeceraIndice;
}

QStringList ListaAyuda::lineasImpresion() const {
  QStringList lineas;
  for (int i = 0; i < entradas_.size(); ++i)
    if (seleccion_.at(i)) lineas.append(entradas_.at(i).mid(kAnchoNumero));
  lineas.append(kLineaCierre);
  return lineas;
}
