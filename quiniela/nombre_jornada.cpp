#include "quiniela/nombre_jornada.h"

#include <QRegularExpression>
#include <cmath>

#include "app/platform/numbers.h"

namespace {

// Whole answers like " 7 ", "-3", "2.5" or "1e1"; larger values than any
// matchday are used as typed.
std::optional<double> valorNumerico(const QString& respuesta) {
  static const QRegularExpression numero(
      QStringLiteral(R"(^[ \t]*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?[ \t]*$)"));
  if (!numero.match(respuesta).hasMatch()) return std::nullopt;
  const double valor = respuesta.trimmed().toDouble();
  if (!(std::fabs(valor) < 1e15)) return std::nullopt;
  return valor;
}

}  // namespace

std::optional<QString> nombreArchivoJornada(const QString& respuesta) {
  if (respuesta.contains(u'/') || respuesta.contains(u'\\') || respuesta.contains(u':') ||
      respuesta.contains(QStringLiteral(".."))) {
    return std::nullopt;
  }
  if (respuesta.isEmpty()) return QString();
  const std::optional<double> numero = valorNumerico(respuesta);
  const QString jornada = numero ? zeroPadded(roundHalfEven(*numero), 2) : respuesta;
  return QStringLiteral("Qp") + jornada + QStringLiteral(".TXT");
}

QString jornadaDelNombre(const QString& nombreArchivo) {
  return nombreArchivo.right(6).left(2);
}
