#pragma once
// What a window under test runs on: a temporary program folder, scripted
// boxes, the PDF printer writing into that folder and the real attributes.
#include "app/platform/file_attributes.h"
#include "app/platform/platform.h"
#include "tests/support/pdf_printer.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

struct EntornoPrueba {
  TempFolder carpeta;
  ScriptedDialogs dialogos;
  PdfPrinter impresora{carpeta.path()};
  SystemFileAttributes atributos;
  Platform plataforma{dialogos, impresora, atributos};
  QString rutaPrograma = carpeta.path();
};
