#pragma once
// Where the boxes of the La Quiniela form lie, in twips: the grids inside the
// grid frame Frame4, and the window parts placed by the left margin.
#include <QRectF>

namespace geometriaqp {

// The window without margin; a margin of 11 or more widens it and moves the
// side panels by that much.
constexpr double anchoVentana = 8160;
constexpr double altoVentana = 10300;
constexpr double izquierdaFrame1 = 6015;
constexpr double izquierdaFrame3 = 6255;
constexpr int margenMinimo = 11;

constexpr double anchoFrame4 = 4650;
constexpr double altoFrame4 = 5400;

// Ticket columns 1 to 8: rows "1", "X", "2"; column c is match 14 - c.
inline constexpr QRectF tabla[8] = {{330, 260, 4035, 630},  {315, 900, 4050, 645},  {315, 1535, 4050, 645},
                                    {315, 2175, 4050, 645}, {330, 2810, 4050, 645}, {315, 3455, 4050, 645},
                                    {315, 4085, 4050, 645}, {330, 4725, 4050, 660}};
constexpr double anchoColumna = 290;

// Pleno al 15, home and away: rows "0", "1", "2", "M".
inline constexpr QRectF tablaq[2] = {{60, 1710, 285, 885}, {30, 4500, 285, 885}};
constexpr double anchoColumnaPleno = 310;

// Rulers shown on screen only.
inline constexpr QRectF tregla = {300, -30, 4245, 255};
inline constexpr QRectF tregla2 = {4380, -240, 285, 5505};

// Pen positions of the reference texts, from the margin (x) and, for the
// column at the right of the grids, from the margin plus inicioX.
constexpr double textoArchivoX = 3600;
constexpr double textoArchivoY = 1900;
constexpr double textosDerechaX = 4820;
constexpr double textoJornadaY = 3600;
constexpr double textoApuestasY = 4410;
constexpr double textoImpresasY = 4610;
constexpr double textoBoletosY = 5010;
constexpr double textoBoletoY = 5210;

}  // namespace geometriaqp
