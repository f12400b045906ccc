#pragma once
// A football-pools text file "Qp" + matchday + ".TXT": one bet per field of
// the platform's delimited input syntax (in practice one per line), the first
// 14 characters the signs, characters 15-16 of a ticket's first field its
// Pleno al 15.
//
// The file is counted once when opened; a ticket is then read alone, so every
// ticket costs the same in a development of millions of bets. A file changed
// since then is counted again first, so what is read is always what reading
// from the start would give.
#include <QStringList>

#include "app/desarrollo/archivo_campos.h"
#include "quiniela/desarrollo_quiniela.h"

class ArchivoTextoQuiniela : public DesarrolloQuiniela {
 public:
  // `nombreArchivo` gives the matchday: the two characters before ".TXT".
  ArchivoTextoQuiniela(const QString& ruta, const QString& nombreArchivo);

  // The counts stay those of the opening. Bets beyond them are not read, and a
  // file that has since lost some of the ticket's bets fails with error 62.
  BoletoLeido boleto(qint32 t) override;

  // Memory of the ticket positions.
  qsizetype bytesIndice() const { return archivo_.bytesIndice(); }

  // A ticket from its fields (at most 8, in file order).
  static BoletoQuiniela boletoDeCampos(const QStringList& campos, const QString& jornada);

 private:
  ArchivoTextoQuiniela(ArchivoCampos archivo, const QString& nombreArchivo);

  ArchivoCampos archivo_;
  QString jornada_;
};
