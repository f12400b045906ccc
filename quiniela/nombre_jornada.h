#pragma once
// The text file chosen by the matchday the user types.
#include <QString>
#include <optional>

// Shown when the answer names a folder: the file must lie beside the program.
inline const QString textoJornadaConRuta = QStringLiteral("La jornada no puede contener rutas de carpetas.");

// "Qp" + matchday + ".TXT". An answer that is a number as a whole (blanks
// around allowed) is written rounded, halves to even, with at least two digits
// ("5" -> "Qp05.TXT"); any other answer is used as typed. An empty answer gives
// an empty name. An answer holding '/', '\', ':' or ".." would reach outside
// the program folder and gives no name at all (std::nullopt).
std::optional<QString> nombreArchivoJornada(const QString& respuesta);

// The matchday a text file's name carries: the two characters before ".TXT".
QString jornadaDelNombre(const QString& nombreArchivo);
