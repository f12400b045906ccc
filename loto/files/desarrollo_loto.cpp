#include "loto/files/desarrollo_loto.h"

#include <QByteArray>
#include <QStringList>
#include <limits>

#include "app/desarrollo/archivo_campos.h"
#include "app/platform/files.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"

namespace {


qint32 apuestas32(qint64 apuestas) {
  if (apuestas > std::numeric_limits<qint32>::max()) throw RuntimeError(ErrorNumber::Overflow);
  return static_cast<qint32>(apuestas);
}

// The bets ticket t holds: only the real ones, none beyond the file's.
qint32 apuestasDelBoleto(qint32 napuestas, qint32 t, qint16 nBole) {
  if (t < 1 || nBole < 1) return 0;
  const qint64 anteriores = qint64(nBole) * (t - 1);
  return anteriores >= napuestas ? 0 : static_cast<qint32>(qMin<qint64>(nBole, napuestas - anteriores));
}

// Two digits for a field; a value no box has still takes its two places, so
// the later fields of the ticket keep theirs.
QString campoBinario(quint8 byte) {
  const int valor = int(byte) - kDesfaseByte;
  if (valor < 0 || valor > 99) return QStringLiteral("??");
  return zeroPadded(valor, 2);
}

class DesarrolloLotoBinario : public DesarrolloLoto {
 public:
  explicit DesarrolloLotoBinario(const QString& ruta)
      : DesarrolloLoto(apuestasBinarias(fileLength(ruta))), ruta_(ruta) {}

  QString boleto(qint32 t, qint16 nBole) override {
    const qint32 apuestas = apuestasDelBoleto(napuestas(), t, nBole);
    if (apuestas == 0) return QString();
    const qint64 longitud = kBytesApuesta * apuestas;
    const QByteArray bytes =
        readFileBytes(ruta_, kCabeceraBinaria + kBytesApuesta * nBole * qint64(t - 1), longitud);
    // Cut short since it was counted: the ticket's bets are no longer there.
    if (bytes.size() < longitud) throw RuntimeError(ErrorNumber::InputPastEnd);
    QString texto;
    texto.reserve(2 * bytes.size());
    for (const char byte : bytes) texto += campoBinario(quint8(byte));
    return texto;
  }

 private:
  QString ruta_;
};

class DesarrolloLotoTexto : public DesarrolloLoto {
 public:
  explicit DesarrolloLotoTexto(const QString& ruta) : DesarrolloLotoTexto(ArchivoCampos(ruta)) {}

  QString boleto(qint32 t, qint16 nBole) override {
    const qint32 apuestas = apuestasDelBoleto(napuestas(), t, nBole);
    if (apuestas == 0) return QString();
    QString texto;
    for (const QString& campo : archivo_.leer(qint64(nBole) * (t - 1), apuestas))
      texto += campo.left(kCaracteresApuesta).leftJustified(kCaracteresApuesta);
    return texto;
  }

  qsizetype bytesIndice() const override { return archivo_.bytesIndice(); }

 private:
  explicit DesarrolloLotoTexto(ArchivoCampos archivo)
      : DesarrolloLoto(apuestas32(archivo.campos())), archivo_(std::move(archivo)) {}

  ArchivoCampos archivo_;
};

}  // namespace

std::unique_ptr<DesarrolloLoto> abrirDesarrolloLoto(const QString& ruta, qint16 tipoFile) {
  if (tipoFile == 1) return std::make_unique<DesarrolloLotoBinario>(ruta);
  return std::make_unique<DesarrolloLotoTexto>(ruta);
}

qint32 apuestasBinarias(qint64 longitud) {
  return apuestas32(qMax<qint64>(0, (longitud + 1) / kBytesApuesta - 1));
}

qint16 tipoFileDeNombre(const QString& nomi) {
  return nomi.right(3).toUpper() == QStringLiteral("TXT") ? 2 : 1;
}

bool cuentaComoTexto(const QString& nomi) {
  return nomi.contains(QStringLiteral("TXT"), Qt::CaseInsensitive);
}

qint32 boletosLoto(qint32 napuestas, qint16 nBole) {
  if (nBole < 1 || napuestas < 1) return 0;
  return napuestas / nBole + (napuestas % nBole > 0 ? 1 : 0);
}
