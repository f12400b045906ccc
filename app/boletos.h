#pragma once
// The start-up window: chooses the kind of ticket and opens its window.
#include <QString>
#include <memory>

#include "app/canvas/twip_window.h"
#include "app/platform/platform.h"

class QLabel;
class QPushButton;
class QAction;
class boletoLO;

class Boletos : public TwipWindow {
  Q_OBJECT
 public:
  Boletos(const Platform& platform, const QString& programFolder);
  ~Boletos() override;

  // The program folder with one trailing separator; every file beside the
  // program is this folder followed directly by its name.
  QString rutaPrograma;

  // Whether a file or folder exists at `ruta`; never fails.
  bool existeFichero(const QString& ruta) const;
  // Fills the version label.
  void version();

  QPushButton* Command1;  // football pools
  QPushButton* Command2;  // lottos
  QPushButton* Command3;  // Salir
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label6;  // version
  QAction* mnucreditos;
  QAction* mnuayuda;

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void mnucreditos_Click();
  void mnuayuda_Click();

 private:
  Platform platform_;
  // The lotto window stays loaded when left with "&Salir", so that it opens
  // again as it was; closing it unloads it.
  std::unique_ptr<boletoLO> loto_;
};
