#pragma once
// The fixed texts of the lotto window: title banners, captions, message
// boxes and the help line's hover texts.
#include <QString>

namespace textoslo {

extern const QString tituloInicio;  // at the window's start
extern const QString tituloTablas;  // once a game is laid out; the file's name follows

// Menus.
extern const QString mnuConfigura, mnuTiqueron, mnuMuno, mnufl, mnuInfo, mnuFI, mnuAyuda, mnuSalir;

// Captions.
extern const QString tituloConfiguracion;
extern const QString rotuloPosicion, rotuloNegrita, rotuloSigno, rotuloTamano, rotuloApuestas;
extern const QString fuenteRejillas;
extern const QString columnasApuestas;  // Label1
extern const QString pulseOpcion;       // Label11
extern const QString archivos;          // Label10
extern const QString pasoInicial;
extern const QString boletoN;  // Text2 before a file is opened

// The choice box of a bet file, its deletion and the opening.
QString preguntaArchivo(const QString& nombreJuego, qint32 apuestas);
extern const QString juegoIncorrecto;  // in place of the game's name
extern const QString tituloPregunta;
QString preguntaBorrar(const QString& nombre);
extern const QString tituloBorrar;
extern const QString desarrolloIncorrecto, tituloDesarrolloIncorrecto;
extern const QString sinApuestasBinario, sinApuestasTexto;
extern const QString tituloInformacion;

// The print commands when no ticket of the open file is on screen.
extern const QString sinBoletoQueImprimir;
// After " F": the offsets a calibration file could not give, and the game's
// default position taken for them; empty when it gave both.
QString reparacionCalibracion(bool tope, bool margen, qint32 topeSup, qint32 margenIzq);

// Hover texts for the help line Label21.
namespace ayuda {
extern const QString configuracion, cruz, derecha, izquierda, arriba, abajo, configurar, restaurar,
    imprimeActual, imprimeSiguiente, anterior, siguiente, apuestas, posicion, negrita, reintegro, estrellas,
    clave;
}  // namespace ayuda

}  // namespace textoslo
