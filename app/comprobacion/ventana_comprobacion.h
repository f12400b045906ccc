#pragma once
// "Comprobar apuestas" in both ticket windows: the check of every bet of the
// open file under a progress bar, and its report in a window of its own.
#include <QDialog>
#include <functional>
#include <optional>

#include "app/comprobacion/informe_comprobacion.h"
#include "app/platform/platform.h"

class QLabel;
class RuntimeError;
class QListWidget;
class QPushButton;

// The totals, the first 1,000 problems and how many more. From it the user
// goes to the ticket of the chosen problem, saves the whole report beside the
// program (Windows-1252) or prints it as the help window prints.
class VentanaComprobacion : public QDialog {
  Q_OBJECT
 public:
  VentanaComprobacion(const Platform& platform, const QString& rutaPrograma,
                      const InformeComprobacion& informe, QWidget* parent = nullptr);

  QLabel* Label1;         // totals
  QListWidget* List1;     // problems, one a line
  QLabel* Label2;         // how many more
  QPushButton* Command1;  // Ir al boleto
  QPushButton* Command2;  // Guardar
  QPushButton* Command3;  // Imprimir
  QPushButton* Command4;  // Cerrar

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

  // The ticket of the problem the user went to; nothing when the window was closed.
  std::optional<qint32> boletoElegido() const { return elegido_; }
  // Where the report is saved: beside the program, named after the bet file.
  QString rutaInforme() const;

 private:
  void avisaError(const RuntimeError& error);

  Platform platform_;
  QString rutaPrograma_;
  const InformeComprobacion& informe_;
  std::optional<qint32> elegido_;
};

// Runs `comprobar`, with a bar the user can cancel once it has taken half a
// second, then shows its report. Gives the ticket to show, if the user chose
// one. Failures of the check are thrown as RuntimeError; nothing is shown then.
using Comprobacion = std::function<std::optional<InformeComprobacion>(const Progreso&)>;
std::optional<qint32> comprobarApuestas(const Platform& platform, const QString& rutaPrograma,
                                        QWidget* parent, const Comprobacion& comprobar);
