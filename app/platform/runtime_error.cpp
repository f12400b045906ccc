#include "app/platform/runtime_error.h"

namespace {

struct Description {
  int number;
  const char* text;  // UTF-8
};

// The texts the Spanish run-time library shows for these numbers.
constexpr Description kDescriptions[] = {
    {5, "Llamada a procedimiento o argumento no válidos"},
    {6, "Desbordamiento"},
    {7, "Memoria insuficiente"},
    {9, "El subíndice está fuera del intervalo"},
    {11, "División por cero"},
    {13, "No coinciden los tipos"},
    {51, "Error interno"},
    {52, "Nombre o número de archivo incorrecto"},
    {53, "No se ha encontrado el archivo"},
    {55, "El archivo ya está abierto"},
    {57, "Error de E/S de dispositivo"},
    {61, "Disco lleno"},
    {62, "La entrada pasó del final del archivo"},
    {67, "Demasiados archivos"},
    {68, "Dispositivo no disponible"},
    {70, "Permiso denegado"},
    {71, "El disco no está listo"},
    {75, "Error de acceso a la ruta o el archivo"},
    {76, "No se ha encontrado la ruta de acceso"},
    {482, "Error de impresora"},
};

}  // namespace

QString errorDescription(int number) {
  for (const Description& d : kDescriptions)
    if (d.number == number) return QString::fromUtf8(d.text);
  return QStringLiteral("Error definido por la aplicación o el objeto");
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, errorDescription(number)) {}

RuntimeError::RuntimeError(int number, const QString& description)
    : number_(number), description_(description), what_(description.toStdString()) {}
