#pragma once
// The four lotto games and everything that differs between them, as data: the
// game's code and name, the use of a bet's seven fields, the ticket form's
// frames and grids in twips, the calibration's default and snapped positions,
// and where the window parts go for each side of the sheet. Every routine of
// the lotto window looks its game up here instead of testing the code.
#include <QRectF>
#include <QString>
#include <QVector>
#include <QtGlobal>

// The game codes the window keeps in floto.
namespace floto {
constexpr qint16 euromillones = 1;
constexpr qint16 gordo = 2;
constexpr qint16 bonoloto = 12;
constexpr qint16 primitiva = 13;
}  // namespace floto

// The second letter of a bet file's name gives its game: its position (from
// 1) in this text is floto, 0 for a letter not in it. Only E, G, B and P are
// games.
inline const QString kLetrasJuego = QStringLiteral("EGFHMCXNZRJBPIUTQ3LDSAVOW");

// The grids of one kind on a game's form: one per bet block (numbers, stars,
// claves) or a single one (the reintegro), placed inside the game's frame.
struct RejillasLoto {
  QVector<QRectF> lugares;  // one per grid, twips inside the frame
  int filas = 0;
  int columnas = 0;
  int columnasFijadas = 0;      // given 290 twips and centred when a file is opened
  int columnasPrimeraFila = 0;  // row 0 cells coloured on screen, whitened on paper
  bool negritaDeDiseno = false;
};

// The extra boxes of a bet besides its numbers.
enum class ExtraLoto { Estrellas, Clave, Reintegro };

// A calibration position: left offset and top offset, twips.
struct PosicionLoto {
  qint32 margenIzq;
  qint32 topeSup;
};

// Where the window parts go from the left offset m (variac): each is m plus
// the value; `cambiaAncho` false leaves the window's width alone.
struct PartesVentanaLoto {
  double frame1, frame3, ancho, label4, label13, label3;
  bool cambiaAncho;
};

struct JuegoLoto {
  // The game.
  qint16 floto;
  QChar letra;
  QString nombre;
  qint16 nnumeros;  // numbers per bet
  qint16 numMax;    // highest number
  qint16 nBole;     // bets per ticket, also the most a ticket can mark
  ExtraLoto extra;
  // Whether a number field whose tens are not 0-5 or whose units are not a
  // digit ends the marking of its bet (Euromillones takes fields by value).
  bool compruebaCifras;

  // The form: the frame holding the game's grids (design place and size),
  // its number grids and its extra grids.
  QRectF marcoDiseno;
  RejillasLoto numeros;
  RejillasLoto extras;
  // Font size of the number grids when a file is opened: 0 for the
  // calibration's size.
  double tamNumerosAlAbrir;

  // The frame's place from the calibration offsets (tablas, desplazar).
  double marcoDx;  // left = m + marcoDx, top = topeSup
  // The reintegro frame (Bonoloto and La Primitiva): left m + dx, top topeSup + dy.
  bool conReintegro;
  bool reintegroVisible;  // only La Primitiva shows the reintegro grid
  double reintegroDx, reintegroDy;

  // Texts and places of the screen set-up and of tablas.
  QString cabecera;    // Label3
  double cabeceraTop;  // Label3's top when a file is opened
  double ayudaTop;     // the help line Label21
  // tablas moves Frame3 and Frame1 (El Gordo) to m plus these, and sets the
  // window 10740 wide.
  bool tablasMueveMarcos;
  double tablasFrame3, tablasFrame1;

  // Calibration: the half of configloi.cfg's items 4 and 5 the game uses
  // (AAAA for Euromillones, BBBB for the rest).
  bool mitadPrimera;
  // Restaurar and opening a file (inicio): the position for a ticket at the
  // left of the sheet (old margenIzq below 2001) and for a centred one; the
  // centred one also moves Frame1 and Frame3 to the new m plus these.
  PosicionLoto inicioIzquierda, inicioCentro;
  bool inicioMueveMarcos;
  double inicioFrame1, inicioFrame3;
  // Applying the calibration (cerrar): margenIzq at or above the threshold
  // snaps to the centred position, below it to the left one.
  qint32 cerrarUmbral;
  PosicionLoto cerrarIzquierda, cerrarCentro;
  // The left/centre toggle of Text3(3): add the step; a result greater, as
  // text, than the limit gives " 0", otherwise the step with a leading blank.
  qint32 conmutaSuma;
  QString conmutaLimite;

  // variac, for m above 2000 and for m up to 2000.
  PartesVentanaLoto variacCentro, variacIzquierda;
  // Bonoloto and La Primitiva at the left: variac puts the ticket at this
  // position and Frame1 at this left, and moves nothing else.
  bool variacFijaIzquierda;
  PosicionLoto variacPosicionIzquierda;
  double variacFrame1Izquierda;
};

// The game of `floto`; nullptr for a code that is no game.
const JuegoLoto* juegoLoto(qint16 floto);
// The game the window lays out for `floto`: Bonoloto's form stands in for a
// code that is no game (before any file is opened).
const JuegoLoto& juegoOBonoloto(qint16 floto);

// The game code of a bet file's name: the position of its second letter (in
// either case) in kLetrasJuego, 0 when there is none.
qint16 flotoDeNombre(const QString& nombre);

// Bets per ticket are kept between these when the calibration is applied.
constexpr qint16 kMinimoBole = 2;
constexpr qint16 kMaximoBole = 8;
// The left offsets above this put the ticket in the centre of the sheet.
constexpr qint32 kLimiteIzquierda = 2000;

// Fixed "X" labels and the info label, design places (Label16 in Frame7,
// Label18 on the window, Label19 in the El Gordo frame, Label4 on the window).
inline constexpr QRectF kLabel16{60, 390, 270, 255};
inline constexpr QRectF kLabel18{0, 2730, 165, 255};
inline constexpr QRectF kLabel19{30, 6210, 225, 165};
inline constexpr QRectF kLabel4{4485, 1740, 945, 1650};
inline constexpr QRectF kFrame7{90, 4635, 840, 2745};
// Label18 beside the Euromillones frame, from the offsets; Label19 at one
// place inside El Gordo's frame, which itself follows the offsets.
constexpr double kLabel18Dx = -1540, kLabel18Dy = 3340;
constexpr double kLabel19Left = -5, kLabel19Top = 6200;
