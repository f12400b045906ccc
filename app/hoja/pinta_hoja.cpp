#include "app/hoja/pinta_hoja.h"

#include <QPaintDevice>
#include <QPainter>

#include "app/hoja/hoja_prueba.h"
#include "app/platform/runtime_error.h"
#include "app/printer/printer.h"

namespace {

void pintaTexto(QPainter& painter, const TextoHoja& texto) {
  painter.save();
  painter.setClipRect(texto.recorte, Qt::IntersectClip);
  painter.setFont(texto.fuente);
  painter.drawText(texto.caja, texto.alineacion, texto.texto);
  painter.restore();
}

}  // namespace

void pintaHoja(QPainter& painter, const HojaPrueba& hoja) {
  painter.save();
  // Flat ends: a tick starts at the edge of the printable area and ends at its length.
  painter.setPen(QPen(Qt::black, kLineaHoja, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  for (const QRectF& caja : hoja.cajas()) painter.drawRect(caja);
  for (const QLineF& marca : hoja.marcasRegla()) painter.drawLine(marca);
  for (const TextoHoja& texto : hoja.textos()) pintaTexto(painter, texto);
  // The form's marks, cut to the window as on a ticket.
  painter.setClipRect(hoja.ventana(), Qt::IntersectClip);
  for (const TextoHoja& marca : hoja.marcasFijas()) pintaTexto(painter, marca);
  for (const RejillaHoja& rejilla : hoja.rejillas()) {
    painter.save();
    painter.setClipRect(rejilla.recorte, Qt::IntersectClip);
    painter.translate(rejilla.lugar);
    paintGridTexts(painter, rejilla.rejilla);
    painter.restore();
  }
  painter.restore();
}

void imprimeHoja(Printer& impresora, HojaPrueba hoja) {
  try {
    impresora.printPage([&hoja](QPainter& painter) {
      const QPaintDevice& papel = *painter.device();
      hoja.anadeReglas(QSizeF(papel.width() * kTwipsPerInch / papel.logicalDpiX(),
                              papel.height() * kTwipsPerInch / papel.logicalDpiY()));
      pintaHoja(painter, hoja);
    });
  } catch (const std::exception&) {
    throw RuntimeError(ErrorNumber::PrinterError);
  }
}
