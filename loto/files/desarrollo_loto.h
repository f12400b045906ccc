#pragma once
// A lotto bet file as the lotto window uses it:
//
//   auto archivo = abrirDesarrolloLoto(rutaPrograma + nomi, tipoFile);  // counts
//   napuestas = archivo->napuestas();
//   QString texto = archivo->boleto(boletoActual, nBole);  // 14 characters a bet
//
// Text files (tipoFile 2, ".TXT"): every field of the delimited input syntax
// is a bet, its first 14 characters kept and a shorter one padded with
// blanks; read through the shared ArchivoCampos, so every ticket costs the
// same whatever the file's size. Binary files (tipoFile 1, ".LOT"): a 6-byte
// header, then 7 bytes a bet, each byte a field's value plus 46.
//
// Every failure is a RuntimeError whose description the window shows (53 a
// missing file, 62 a file that lost bets since it was opened, 6 a count
// beyond 32 bits ...). No file stays open between calls.
#include <QString>
#include <memory>

// The layout of a bet: 14 characters, seven two-digit fields; in a binary
// file, 7 bytes after a 6-byte header, each a field's value plus 46.
constexpr int kCaracteresApuesta = 14;
constexpr qint64 kCabeceraBinaria = 6;
constexpr qint64 kBytesApuesta = 7;
constexpr int kDesfaseByte = 46;

class DesarrolloLoto {
 public:
  virtual ~DesarrolloLoto() = default;
  DesarrolloLoto(const DesarrolloLoto&) = delete;
  DesarrolloLoto& operator=(const DesarrolloLoto&) = delete;

  // The bets counted when the file was opened.
  qint32 napuestas() const { return napuestas_; }

  // The ticket text of ticket t (from 1) grouped by `nBole` bets a ticket:
  // the real bets of the ticket only, min(nBole, napuestas - nBole(t-1)),
  // 14 characters each (seven two-digit fields). Nothing past the end of the
  // file becomes a bet; a ticket beyond the bets, or nBole below 1, gives an
  // empty text.
  virtual QString boleto(qint32 t, qint16 nBole) = 0;

  // Memory the file's index takes (a binary file needs none).
  virtual qsizetype bytesIndice() const { return 0; }

 protected:
  explicit DesarrolloLoto(qint32 napuestas) : napuestas_(napuestas) {}

 private:
  qint32 napuestas_;
};

// Opens and counts the file: `tipoFile` 1 binary, anything else text.
std::unique_ptr<DesarrolloLoto> abrirDesarrolloLoto(const QString& ruta, qint16 tipoFile);

// The bets of a binary file of `longitud` bytes: (longitud + 1) / 7 - 1,
// never below 0.
qint32 apuestasBinarias(qint64 longitud);

// How the window tells the kind of a file by its name: opening it (abrir)
// looks at the last three characters, in upper case ("TXT": 2, else 1); the
// choice box counts as text any name holding "TXT" anywhere, in either case.
qint16 tipoFileDeNombre(const QString& nomi);
bool cuentaComoTexto(const QString& nomi);

// The tickets `napuestas` bets fill at `nBole` a ticket, a partial last one
// counting; 0 when nBole is below 1.
qint32 boletosLoto(qint32 napuestas, qint16 nBole);
