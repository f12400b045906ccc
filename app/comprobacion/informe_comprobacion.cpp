#include "app/comprobacion/informe_comprobacion.h"

#include <algorithm>

#include "app/platform/ansi.h"

QString Problema::citado() const {
  return QStringLiteral("«") + decodeAnsi(QByteArray(caracteres, cuantos)) + QStringLiteral("»");
}

InformeComprobacion::InformeComprobacion(const QString& nombreArchivo, QVector<TipoProblema> tipos,
                                         qint32 apuestasPorBoleto)
    : nombre_(nombreArchivo),
      tipos_(std::move(tipos)),
      porBoleto_(qMax(1, apuestasPorBoleto)),
      apuestasConTipo_(tipos_.size(), 0) {}

void InformeComprobacion::terminar(qint64 apuestas) {
  apuestas_ = apuestas;
  const auto antes = [](const Problema& a, const Problema& b) { return a.apuesta < b.apuesta; };
  if (!std::is_sorted(problemas_.begin(), problemas_.end(), antes))
    std::stable_sort(problemas_.begin(), problemas_.end(), antes);
  qint32 apuesta = 0;
  quint32 tiposDeApuesta = 0;  // kinds already counted for that bet
  for (const Problema& p : problemas_) {
    if (p.apuesta != apuesta) {
      apuesta = p.apuesta;
      tiposDeApuesta = 0;
    }
    const quint32 bit = quint32(1) << p.tipo;
    if (!(tiposDeApuesta & bit)) ++apuestasConTipo_[p.tipo];
    tiposDeApuesta |= bit;
  }
}

qint64 InformeComprobacion::boletos() const {
  return (apuestas_ + porBoleto_ - 1) / porBoleto_;
}

qint32 InformeComprobacion::boletoDe(qint64 problema) const {
  return (problemas_[size_t(problema)].apuesta - 1) / porBoleto_ + 1;
}

QStringList InformeComprobacion::totales() const {
  if (apuestas_ == 0) return {nombre_ + QStringLiteral(": no tiene apuestas.")};
  if (problemas_.empty())
    return {nombre_ +
            QStringLiteral(": las %1 apuestas de sus %2 boletos están bien.").arg(apuestas_).arg(boletos())};
  QStringList lineas{QStringLiteral("Archivo: ") + nombre_, QStringLiteral("Apuestas: %1").arg(apuestas_),
                     QStringLiteral("Boletos: %1").arg(boletos())};
  for (int tipo = 0; tipo < tipos_.size(); ++tipo)
    if (apuestasConTipo_[tipo] > 0)
      lineas << tipos_[tipo].resumen + QStringLiteral(": %1").arg(apuestasConTipo_[tipo]);
  lineas << QStringLiteral("Problemas: %1").arg(problemas());
  return lineas;
}

QString InformeComprobacion::linea(qint64 i) const {
  const Problema& p = problemas_[size_t(i)];
  const QString lugar = p.linea > 0 ? QStringLiteral("boleto %1, línea %2").arg(boletoDe(i)).arg(p.linea)
                                    : QStringLiteral("boleto %1").arg(boletoDe(i));
  return QStringLiteral("Apuesta %1 (%2): ").arg(p.apuesta).arg(lugar) + tipos_[p.tipo].detalle(p);
}

QString InformeComprobacion::masProblemas() const {
  const qint64 mas = problemas() - kMostrados;
  if (mas <= 0) return QString();
  if (mas == 1) return QStringLiteral("Y 1 problema más, que el informe guardado o impreso recoge.");
  return QStringLiteral("Y %1 problemas más, que el informe guardado o impreso recoge.").arg(mas);
}

QStringList InformeComprobacion::texto() const {
  QStringList lineas = totales();
  if (problemas_.empty()) return lineas;
  lineas << QString();
  for (qint64 i = 0; i < problemas(); ++i) lineas << linea(i);
  return lineas;
}
