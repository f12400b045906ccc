#pragma once
// configqp.cfg, the football-pools printer calibration beside the program: 15
// quoted fields, read with the delimited input syntax (so any split over lines
// reads the same), kept read-only and hidden between uses.
//
//   1 horizontal offset   2 "True 09" (size in the last two characters)
//   3 six digits + mark   4 vertical offset   5 left margin   6 reserved text
//   7-14 reserved fields, kept as read        15 the program folder
#include <QByteArray>
#include <QString>
#include <QStringList>

class FileAttributes;

// The reserved text of a new file, and what a shorter field 6 is read as.
inline const QString textoRellenoQp = QStringLiteral("reservadoqp0123456789abcdefghi");

// The mark field as the close-time save writes it: the next start uses "x".
inline const QString campoSignoSalva = QStringLiteral("000640x");
// The mark field as "Cerrar" writes it.
QString campoSignoCerrar(const QString& cajaSigno);

// A mark size from a text: the whole number it reads as when that is 7 to 12,
// otherwise 7. Applied when the file is read; the window applies it to the
// size box.
qint16 tamFuenteValido(const QString& texto);

// What the window takes from the file at its start.
struct CalibracionQuiniela {
  qint32 inicioX = 0;
  qint32 inicioY = 0;
  QString margen;  // the margin box text: field 5, or "1" when that is below 1
  qint32 margenIzq = 0;
  QString signo;
  qint16 tamFuente = 0;
  QString textoReservado;
};

// What the window hands over to be saved.
struct GuardadoQuiniela {
  QString textoX;  // Text3(8)
  QString textoY;  // Text3(7)
  qint32 margenIzq = 0;
  QString campoSigno;  // campoSignoSalva or campoSignoCerrar(...)
};

// Fields 1 to 6 as the window reads them at its start.
CalibracionQuiniela calibracionDeCampos(const QStringList& campos);

// A new file: the 15 default fields on one line.
QByteArray contenidoNuevoQp(const QString& rutaPrograma);

// A saved file: fields 1-6 on one line (6 being `textoReservado`), the eight
// reserved fields on a line each, the program folder on the last line.
QByteArray contenidoGuardadoQp(const GuardadoQuiniela& guardado, const QString& textoReservado,
                               const QStringList& reservados, const QString& rutaPrograma);

class ArchivoConfigQp {
 public:
  ArchivoConfigQp(const QString& rutaPrograma, FileAttributes& atributos);

  QString ruta() const { return rutaPrograma_ + QStringLiteral("configqp.cfg"); }

  // The calibration at window start; a missing file is first created with the
  // default values. A file of fewer than 6 fields raises error 62 and is left
  // as it is; nothing is taken from it.
  CalibracionQuiniela leer();

  // Rewrites the file with the window's values and the reserved fields found
  // in it (the close-time save and "Cerrar"). A missing file is written anew.
  // A file of fewer than 14 fields is completed with the default values of
  // the missing ones and written whole, then error 62 is raised so the window
  // reports it.
  void guardar(const GuardadoQuiniela& guardado);

 private:
  // Up to `cuantos` fields of the file.
  QStringList leerCampos(int cuantos);
  void escribir(const QByteArray& contenido);

  QString rutaPrograma_;
  FileAttributes& atributos_;
};
