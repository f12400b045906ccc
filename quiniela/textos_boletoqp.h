#pragma once
// The fixed texts of the football-pools window: captions, instructions,
// message boxes and the help line's hover texts.
#include <QString>

namespace textosqp {

// Line breaks inside message boxes and labels.
extern const QString salto;

extern const QString lineaCredito;
extern const QString lineaContacto;
extern const QString textoPublicidad;

extern const QString tituloVentana;
extern const QString instrucciones;
extern const QString presentacion;
extern const QString tituloPresentacion;
extern const QString consejosImpresora;

// File question and matchday.
extern const QString preguntaArchivo;
extern const QString tituloPreguntaArchivo;
extern const QString preguntaJornada;
extern const QString faltaJornada;
extern const QString tituloFaltaJornada;

// Calibration panel.
extern const QString tituloConfiguracion;
extern const QString rotuloApuestas;
extern const QString rotuloNegrita;
extern const QString rotuloSigno;
extern const QString rotuloTamano;
extern const QString rotuloMargen;
extern const QString pistaInicio;
extern const QString reglaCaracteres;
extern const QString verdadero;
extern const QString falso;

// Controls.
extern const QString columnasBoleto;
extern const QString numerosPartido;
extern const QString desplazarRejilla;
extern const QString pasoInicial;

// Hover texts for the help line.
namespace ayuda {
extern const QString impSiguiente;
extern const QString repite;
extern const QString siguiente;
extern const QString anterior;
extern const QString atrasRapido;
extern const QString derecha;
extern const QString izquierda;
extern const QString abajo;
extern const QString arriba;
extern const QString cruz;
extern const QString restaurar;
extern const QString paso;
extern const QString configuracion;
extern const QString cerrar;
extern const QString casillaConfiguracion;
extern const QString columnas;
extern const QString jornada;
extern const QString ventana;
}  // namespace ayuda

}  // namespace textosqp
