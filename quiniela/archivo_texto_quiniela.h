#pragma once
// A football-pools text file "Qp" + matchday + ".TXT": one bet per field of
// the platform's delimited input syntax (in practice one per line), the first
// 14 characters the signs, characters 15-16 of a ticket's first field its
// Pleno al 15.
//
// The file is read once when opened, to count its fields and note where each
// ticket begins; a ticket is then read alone, so every ticket costs the same
// in a development of millions of bets. A file changed since then is indexed
// again first, so what is read is always what reading from the start would
// give.
#include <QDateTime>
#include <QStringList>

#include "quiniela/desarrollo_quiniela.h"
#include "quiniela/indice_boletos.h"

class ArchivoTextoQuiniela : public DesarrolloQuiniela {
 public:
  // `nombreArchivo` gives the matchday: the two characters before ".TXT".
  // The file is counted `bloqueLectura` bytes at a time.
  ArchivoTextoQuiniela(const QString& ruta, const QString& nombreArchivo, qint64 bloqueLectura = 1 << 20);

  // The counts stay those of the opening. Bets beyond them are not read, and a
  // file that has since lost some of the ticket's bets fails with error 62.
  BoletoLeido boleto(qint32 t) override;

  // Memory of the ticket positions.
  qsizetype bytesIndice() const { return indexado_.indice.bytes(); }

  // A ticket from its fields (at most 8, in file order).
  static BoletoQuiniela boletoDeCampos(const QStringList& campos, const QString& jornada);

 private:
  struct Indexado {
    IndiceBoletos indice;  // where each ticket's first field starts, and where the last field ends
    qint32 campos = 0;
    qint64 longitud = 0;
    QDateTime modificado;
  };
  static Indexado indexar(const QString& ruta, qint64 bloqueLectura);
  ArchivoTextoQuiniela(const QString& ruta, const QString& nombreArchivo, qint64 bloqueLectura,
                       Indexado indexado);
  bool cambiado() const;

  QString ruta_;
  QString jornada_;
  qint64 bloqueLectura_;
  Indexado indexado_;
};
