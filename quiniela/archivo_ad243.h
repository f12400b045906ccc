#pragma once
// AD243, the pools operator's bet file: 124-byte records, a header first and
// then one record per ticket (bet block at 11-122, Pleno al 15 at 123-124).
#include "quiniela/desarrollo_quiniela.h"

class ArchivoAD243 : public DesarrolloQuiniela {
 public:
  static constexpr qint64 longitudRegistro = 124;

  // Counts from the file length alone: one ticket per whole record after the
  // header, 8 bets each.
  explicit ArchivoAD243(const QString& ruta);

  // The header's counts and matchday with record t+1. A record the file does
  // not hold whole gives a blank bet block and blank Pleno al 15 signs.
  BoletoLeido boleto(qint32 t) override;

  static RecuentoQuiniela recuentoPorLongitud(qint64 longitudArchivo);

 private:
  QString ruta_;
};
