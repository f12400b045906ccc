#include "quiniela/desarrollo_quiniela.h"

#include "quiniela/archivo_ad243.h"
#include "quiniela/archivo_texto_quiniela.h"

std::unique_ptr<DesarrolloQuiniela> abrirDesarrollo(int tipoFile, const QString& rutaArchivo,
                                                    const QString& nombreArchivo) {
  if (tipoFile == 1) return std::make_unique<ArchivoAD243>(rutaArchivo);
  return std::make_unique<ArchivoTextoQuiniela>(rutaArchivo, nombreArchivo);
}
