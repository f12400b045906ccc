#pragma once
// configloi.cfg, the lotto printer calibration beside the program: one line
// of seven items in the delimited write syntax,
//
//   980,30," 1290","0480-0155","4840-1505"," 8","980-30-1065-0-0"
//
// item 4 the top offsets and item 5 the left offsets, each two four-digit
// halves: the first for Euromillones, the second for the other games; item 6
// the bets per ticket; item 7 an opaque text kept as it is. Kept read-only
// and hidden between uses; rewritten whole through a temporary file.
#include <QByteArray>
#include <QString>

class FileAttributes;

// The line a missing file is created with.
QByteArray contenidoNuevoLoi();

// What the window takes from the file; what a failed load leaves keeps the
// values it had.
struct CalibracionLoto {
  qint32 topeSup = 0;
  qint32 margenIzq = 0;
  qint16 nBole = 0;
  QString cfgResto;
  // Whether a load read the offsets; one it could not read keeps its value.
  bool topeLeido = false;
  bool margenLeido = false;
};

// A half of items 4 and 5: the first four characters (`primera`) or the
// last four, as a number.
qint32 mitadDe(const QString& item, bool primera);
// Item 4 or 5 with one half replaced by `valor`, the other half kept from
// `viejo` as a number; both halves written with four digits, leading zeros,
// a value outside 0-9999 clamped so the file always reads back.
QString conMitad(const QString& viejo, qint32 valor, bool primera);

class ArchivoConfigLoi {
 public:
  ArchivoConfigLoi(const QString& rutaPrograma, FileAttributes& atributos);

  QString ruta() const { return rutaPrograma_ + QStringLiteral("configloi.cfg"); }

  // Reads the seven items into `calibracion`, taking the offsets from the
  // half the game uses (`primeraMitad`: Euromillones). A missing file is
  // first created with contenidoNuevoLoi(). The items are all read before
  // any is converted, and each is converted on its own: one that is missing
  // or too large for its field keeps its value and the others are still
  // taken. The first failure (62 fewer than seven items, 6 a number too
  // large, the file errors) is then thrown.
  void leer(bool primeraMitad, CalibracionLoto& calibracion);

  // guardacfg: reads the first five items of the file, then writes the seven
  // items anew, items 4 and 5 with the game's half replaced. A missing file
  // is written from the new-file line; a file with fewer than five items is
  // completed from it, written whole, and then error 62 is thrown so the
  // window reports it. Any other failure is thrown before anything is
  // written.
  void guardar(bool primeraMitad, const CalibracionLoto& calibracion);

 private:
  QString rutaPrograma_;
  FileAttributes& atributos_;
};
