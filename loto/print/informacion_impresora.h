#pragma once
// The text of the printer-information box ("Info Imp "): what the program
// knows of the default printer and of its own print settings.
#include <QString>
#include <QStringList>

struct DatosImpresora {
  QString deviceName, driverName, fontName;
  QStringList fonts;  // the printer's font list, numbered from 0
  int page = 1;
  int orientation = 1;
};

struct AjustesLoto {
  bool autoRedraw = true;
  qint16 floto = 0;
  qint16 nBole = 0;
  QString signo;
  bool negrita = false;
  qint32 topeSup = 0, margenIzq = 0;
};

// Line by line, each ended by a line break, numbers with the leading-space
// rule:
//  " Impresora=" device ",   " driver
//  " Nº Impresoras=" font count " Fuente= " current font
//  five lines " Fuente Nº=" i " " font i "  " i+5 " " font i+5 "    " i+10 " " font i+10
//  " Autoredraw= " True/False " Nº Página=  " page "  Orientación= " orientation, then an empty line
//  " T.Loto= " floto " Nº Ap/Bo=" nBole " Signo= " signo " Negrita= " True/False
//  " Tope Superior= " topeSup " Margen Izquierdo= " margenIzq
// A font number beyond the list names no font (an empty text).
QString textoInformacionImpresora(const DatosImpresora& impresora, const AjustesLoto& ajustes);
