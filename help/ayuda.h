#pragma once
// The help window: the program's instructions (lotoAy.txt beside the program)
// as a numbered list that can be searched, jumped through from its index and
// printed line by line.
#include <QHash>
#include <QString>

#include "app/canvas/twip_window.h"
#include "app/platform/platform.h"
#include "help/lista_ayuda.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class Ayuda : public TwipWindow {
  Q_OBJECT
 public:
  Ayuda(const Platform& platform, const QString& rutaPrograma, QWidget* parent = nullptr);

  QListWidget* List1;
  QLabel* Label1;
  QPushButton* Command1;  // Buscar
  QPushButton* Command2;  // Imprimir Seleccion
  QPushButton* Command3;  // INDICE
  QLineEdit* Text1;
  QLabel* Label2;  // tips

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void List1_Click(int posicion);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void carga(const QString& ruta);
  void creaControles();
  void ponTips();
  // Answers whether the key was used up here.
  bool Text1_KeyPress(const QKeyEvent& key);
  void muestraSeleccion();
  void tomaSeleccion();

  Platform platform_;
  ListaAyuda lista_;
  QHash<QObject*, QString> tips_;
  // Set while the list widget is being made to show the selection of lista_.
  bool mostrando_ = false;
};

// Opens the help window of the program in `rutaPrograma` modally.
void abreAyuda(const Platform& platform, const QString& rutaPrograma, QWidget* parent);
