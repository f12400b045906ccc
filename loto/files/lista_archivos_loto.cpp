#include "loto/files/lista_archivos_loto.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

bool esArchivoDeLista(const QString& nombre) {
  // The list's wildcards "A???????.TXT" and "A???????.LOT": a trailing "?" may
  // also match nothing.
  static const QRegularExpression patron(
      QStringLiteral("^A.{0,7}\\.(TXT|LOT)$"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  return patron.match(nombre).hasMatch();
}

QStringList archivosDeLista(const QString& carpeta) {
  QStringList nombres;
  for (const QString& nombre : QDir(carpeta).entryList(QDir::Files))
    if (esArchivoDeLista(nombre)) nombres.append(nombre);
  // Names alike but for case keep one order every time.
  std::sort(nombres.begin(), nombres.end(), [](const QString& a, const QString& b) {
    const int sinCaso = a.compare(b, Qt::CaseInsensitive);
    return sinCaso != 0 ? sinCaso < 0 : a < b;
  });
  return nombres;
}
