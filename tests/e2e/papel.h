#pragma once
// What a printed ticket must look like on paper, checked on the PDF a real
// queue wrote: every mark centred in its box, the texts the ticket carries,
// and no other ink on the sheet. Shared by the program's own end-to-end tests
// and the check of the sheets Tiqueron.exe printed under Wine.
#include <QByteArray>
#include <QRect>
#include <QString>
#include <QVector>

class PaginaEntera;
struct Desvios;

// How far a mark's ink centre may lie from its box's centre.
extern const double kTolerancia;

// Nothing on the sheet but inside `permitidas`: no grid line, ruler, border,
// panel or button of the screen.
void sinTintaFuera(const PaginaEntera& pagina, const QVector<QRect>& permitidas);

// Football-pools ticket `t` (from 1) of the sample AD243 `ad243`, printed
// with a new configqp.cfg. How far the marks lay is added to `desvios`.
void esBoletoQuiniela(const QString& pdf, const QByteArray& ad243, int t, Desvios* desvios = nullptr);

// A sample lotto file, and where data/configloi.cfg (the ticket at the left of
// the sheet) and its game's own position put the ticket: frame left and top,
// the info label's left.
struct CasoLoto {
  const char* nombre;
  int apuestasBoleto;
  double izquierda, arriba, info;
};
extern const CasoLoto kCasosLoto[5];

// Ticket `boleto` (from 0) of the lotto file `c`, whose contents are `datos`:
// every mark at its box, the info label and the fixed "X", nothing else.
void esBoletoLoto(const QString& pdf, const QByteArray& datos, const CasoLoto& c, int boleto = 0,
                  Desvios* desvios = nullptr);
