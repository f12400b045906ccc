#pragma once
// The version lookups the program makes on a program file: the start-up
// window's label and the string table the properties sheet shows.
#include <QString>

void buscaVersiones(const QString& ruta);
