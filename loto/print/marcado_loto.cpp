#include "loto/print/marcado_loto.h"

#include <algorithm>

#include "app/platform/numbers.h"

namespace {

constexpr int kLetrasApuesta = 14;
// Where a bet keeps its extra boxes (from 0): the stars in fields 6 and 7,
// the clave in field 6, the reintegro in field 7.
constexpr int kPrimeraEstrella = 10, kSegundaEstrella = 12, kClave = 10, kReintegro = 12;

const QString kSalto = QStringLiteral("\n");

// A blank bet, and a missing one, whose first characters are empty, end the
// ticket's marking: they are found in this text.
bool cierraBoleto(QStringView apuesta) {
  const QStringView cierre = u" 54  ";
  const QStringView inicio = apuesta.left(2);
  // Compared character by character at each place: a search costs more than
  // the rest of a bet's check.
  for (qsizetype i = 0; i + inicio.size() <= cierre.size(); ++i) {
    qsizetype k = 0;
    while (k < inicio.size() && cierre[i + k] == inicio[k]) ++k;
    if (k == inicio.size()) return true;
  }
  return false;
}

MarcaLoto extra(int bloque, const CeldaLoto& celda, const QString& texto) {
  return MarcaLoto{MarcaLoto::Rejilla::Extras, bloque, celda, texto};
}

}  // namespace

MarcadoLoto marcaBoleto(const JuegoLoto& juego, const QString& texto, int nBole, const QString& signo) {
  MarcadoLoto marcado;
  const int bloques = std::min(nBole, int(juego.numeros.lugares.size()));
  for (int k = 0; k < bloques; ++k) {
    const QString apuesta = texto.mid(kLetrasApuesta * k, kLetrasApuesta);
    if (alcanceMarcado(juego, apuesta).cierraBoleto) break;
    marcado.apuestas << apuesta;
  }

  switch (juego.extra) {
    case ExtraLoto::Estrellas:
      for (int k = 0; k < marcado.apuestas.size(); ++k)
        for (int campo : {kPrimeraEstrella, kSegundaEstrella})
          if (const auto celda = celdaEstrella(marcado.apuestas[k].mid(campo, 2)))
            marcado.marcas << extra(k, *celda, signo);
      break;
    case ExtraLoto::Clave:
      for (int k = 0; k < marcado.apuestas.size(); ++k)
        if (const auto celda = celdaClave(marcado.apuestas[k].mid(kClave, 2)))
          marcado.marcas << extra(k, *celda, signo);
      break;
    case ExtraLoto::Reintegro:
      // One reintegro for the whole ticket, the first bet's; the form's box
      // takes a plain "X", not the chosen mark.
      if (!marcado.apuestas.isEmpty())
        if (const auto celda = celdaReintegro(texto.mid(kReintegro, 2)))
          marcado.marcas << extra(0, *celda, QStringLiteral("X"));
      break;
  }

  for (int k = 0; k < marcado.apuestas.size(); ++k) {
    const QString& apuesta = marcado.apuestas[k];
    for (int j = 0; j < alcanceMarcado(juego, apuesta).campos; ++j)
      if (const auto celda = celdaNumero(juego, QStringView(apuesta).mid(2 * j, 2)))
        marcado.marcas << MarcaLoto{MarcaLoto::Rejilla::Numeros, k, *celda, signo};
  }
  return marcado;
}

AlcanceMarcado alcanceMarcado(const JuegoLoto& juego, QStringView apuesta) {
  if (cierraBoleto(apuesta)) return {true, 0};
  if (juego.compruebaCifras)
    for (int j = 0; j < juego.nnumeros; ++j)
      if (!celdaNumero(juego, apuesta.mid(2 * j, 2))) return {false, j};
  return {false, juego.nnumeros};
}

double valorExtra(const JuegoLoto& juego, const QString& texto) {
  QString campo;
  switch (juego.extra) {
    case ExtraLoto::Estrellas: campo = texto.mid(kPrimeraEstrella, 4); break;
    case ExtraLoto::Clave: campo = texto.mid(kClave, 2); break;
    case ExtraLoto::Reintegro: campo = texto.mid(kReintegro, 2); break;
  }
  const double valor = textValue(campo);
  return valor < 1 ? 0 : valor;
}

QString textoBoletoLoto(const JuegoLoto& juego, qint32 nboletos, qint32 boletoActual, double extra) {
  // Bonoloto's form has no reintegro box, so its ticket box shows none.
  const bool sinR = juego.conReintegro && !juego.reintegroVisible;
  return numberText(nboletos) + QStringLiteral("  ") + numberText(boletoActual) + QStringLiteral("    R:") +
         (sinR ? QStringLiteral("Sin R") : rightAligned(plainNumber(extra), 2));
}

QString textoInformacionLoto(const QString& nomi, qint16 tipoFile, qint32 napuestas, qint16 nBole,
                             qint32 nboletos, qint32 boletoActual) {
  QString nombre = nomi.right(16);
  nombre.remove(QStringLiteral(".TXT"), Qt::CaseInsensitive);
  nombre.remove(QStringLiteral(".LOT"), Qt::CaseInsensitive);
  const QStringList lineas{QStringLiteral("Tiqueron"),
                           nombre,
                           tipoFile == 1 ? QStringLiteral(".LOT") : QStringLiteral(".TXT"),
                           numberText(napuestas) + QStringLiteral(" Apts"),
                           numberText(double(qint64(nBole) * boletoActual)) + QStringLiteral(" Ap"),
                           QString(),
                           numberText(nboletos) + QStringLiteral(" Btos"),
                           numberText(boletoActual) + QStringLiteral(" Bo")};
  return lineas.join(kSalto);
}

QString textoApuestasLoto(qint16 nBole, qint32 boletoActual) {
  return QStringLiteral("Apts ") + numberText(double(qint64(nBole) * boletoActual));
}
