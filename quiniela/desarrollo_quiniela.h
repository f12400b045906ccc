#pragma once
// A football-pools bet file ("desarrollo") as the window uses it:
//
//   auto archivo = abrirDesarrollo(tipoFile, rutaArchivo, nombreArchivo);  // counts
//   napuestas = archivo->recuento().napuestas;           // step 4 of the opening
//   BoletoLeido leido = archivo->boleto(boletoActual);   // in ejecuta
//   napuestas = leido.recuento.napuestas; nboletos = leido.recuento.nboletos;
//
// Every failure is a RuntimeError (53 missing file, 62 a text file that lost
// fields since it was opened, ...) whose description the window shows. No
// file stays open between calls.
#include <QString>
#include <memory>

#include "quiniela/boleto_quiniela.h"

class DesarrolloQuiniela {
 public:
  virtual ~DesarrolloQuiniela() = default;
  DesarrolloQuiniela(const DesarrolloQuiniela&) = delete;
  DesarrolloQuiniela& operator=(const DesarrolloQuiniela&) = delete;

  // The counts made when the file was opened.
  RecuentoQuiniela recuento() const { return recuento_; }

  // Ticket t (from 1): bets 8(t-1)+1 to 8t of the file. A ticket the file has
  // no bets for is blank.
  virtual BoletoLeido boleto(qint32 t) = 0;

 protected:
  explicit DesarrolloQuiniela(RecuentoQuiniela recuento) : recuento_(recuento) {}

 private:
  RecuentoQuiniela recuento_;
};

// `tipoFile` 1 opens AD243, any other value a "Qp" + matchday + ".TXT" text
// file (whose matchday comes from `nombreArchivo`).
std::unique_ptr<DesarrolloQuiniela> abrirDesarrollo(int tipoFile, const QString& rutaArchivo,
                                                    const QString& nombreArchivo);
