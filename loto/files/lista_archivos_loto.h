#pragma once
// The bet files the lotto window lists from the program folder: "A", up to
// seven characters, then ".TXT" or ".LOT", in either case (files copied
// between systems change case).
#include <QString>
#include <QStringList>

bool esArchivoDeLista(const QString& nombre);

// The names of the files of `carpeta` that the list shows, sorted as the
// platform's file list sorts them (case ignored); folders are left out.
QStringList archivosDeLista(const QString& carpeta);
