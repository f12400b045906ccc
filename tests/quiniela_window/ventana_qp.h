#pragma once
// The football-pools window over a temporary folder, scripted boxes and a PDF printer.
#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "app/platform/delimited.h"
#include "quiniela/boletoqp.h"
#include "tests/quiniela/ayudas.h"
#include "tests/support/entorno_prueba.h"
#include "tests/support/pdf_reader.h"

class VentanaQp : public ::testing::Test, protected EntornoPrueba {
 protected:
  // The window opened on AD243 (Yes), or on the text file of a matchday (No).
  std::unique_ptr<boletoqp> abre(const std::optional<QString>& jornada = std::nullopt) {
    dialogos.answer(MessageResult::Ok);  // introduction
    dialogos.answer(jornada ? MessageResult::No : MessageResult::Yes);
    if (jornada) dialogos.answer(*jornada);
    return std::make_unique<boletoqp>(plataforma, rutaPrograma);
  }

  QStringList camposConfig() const {
    QStringList campos;
    for (DelimitedReader lector(carpeta.read("configqp.cfg")); !lector.atEnd();) campos << lector.next();
    return campos;
  }
};
