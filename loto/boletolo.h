#pragma once
// The lotto window: work screen, calibration editor and, through its own
// image, the printed Bonoloto, La Primitiva, El Gordo or Euromillones ticket.
// Its grids lie where the boxes of the pre-printed form lie, so moving the
// calibration offsets moves the grids.
#include <QString>
#include <QVector>
#include <functional>
#include <memory>

#include "app/canvas/twip_window.h"
#include "app/platform/platform.h"
#include "loto/files/desarrollo_loto.h"
#include "loto/juego_loto.h"

class EventosRaton;
class Grid;
class RuntimeError;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class boletoLO : public TwipWindow {
  Q_OBJECT
 public:
  // Runs the window's start: layout, calibration file, file list.
  boletoLO(const Platform& platform, const QString& rutaPrograma, QWidget* parent = nullptr);
  ~boletoLO() override;

  // The open bet file.
  QString nomi;
  qint16 floto = 0;
  qint16 tipoFile = 0;  // 1 binary .LOT, 2 text .TXT
  qint32 napuestas = 0;
  qint16 nBole = 0;
  qint32 nboletos = 0;
  qint32 boletoActual = 0;
  qint16 nnumeros = 0;
  qint16 numMax = 0;

  // Calibration.
  qint32 topeSup = 0;
  qint32 margenIzq = 0;
  QString signo;
  qint16 tamFuente = 0;
  bool negrita = false;
  QString cfgResto;

  // Mode fields set before Tiqueron runs.
  qint16 nParcial = 0;
  qint16 modoImpr = 0;  // 1 continues with the next tickets
  qint16 destino = 10;  // 10 only shows, anything else prints too
  qint32 primerBoleto = 1;

  // Whether closing the window unloaded it (a fresh start next time), as
  // opposed to "&Salir", which only hides it.
  bool descargada() const { return descargada_; }

  // Bet files.
  void abrof(qint16 pa = 0);
  void File2_Click();
  void abrir(const QString& nomi);
  // Calibration.
  void guardacfg();
  void cerrar();
  void inicio();
  // Drawing and printing.
  void Tiqueron();
  void fijos(const QString& pp);
  void blanquea();
  void tablas();
  void variac();
  void desplazar();

  // Menus.
  void mnuConfigura_Click();
  void mnuTiqueron_Click();
  void mnuMuno_Click();
  void mnufl_Click();
  void mnuInfo_Click();
  void mnuFI_Click();
  void mnuAyuda_Click();
  void mnuSalir_Click();
  void mnuHoja_Click();
  void mnuComprobar_Click();

  // Buttons and boxes.
  void Command1_Click();   // right
  void Command2_Click();   // up
  void Command3_Click();   // left
  void Command4_Click();   // down
  void Command5_Click();   // >>|
  void Command6_Click();   // <<5
  void Command7_Click();   // 5 >>
  void Command8_Click();   // Anterior <
  void Command9_Click();   // Siguiente>
  void Command10_Click();  // Imprime Siguiente
  void Command11_Click();  // Imprime Boleto Actual
  void Command12_Click();  // Configurar
  void Command13_Click();  // Restaurar
  void Command14_Click();  // |<<
  void Text1_Click(int index);
  void Text3_Click(int index);

  QListWidget* File2;
  // The forms of the games.
  QFrame* Frame4;
  Grid* tabla[8];
  QFrame* Frame5;
  Grid* tablag[6];
  Grid* tbg[6];
  QLabel* Label19;
  QFrame* Frame6;
  Grid* tablae[5];
  Grid* tbe[5];
  QFrame* Frame7;
  Grid* tablar;
  QLabel* Label16;
  QLabel* Label18;
  QLabel* Label4;  // info label, printed with the ticket
  // Navigation.
  QFrame* Frame1;
  QLineEdit* Text2;
  QLabel* Text1[8];
  QLabel* Label1;
  QLabel* Label11;
  QLabel* Label12;
  QPushButton* Command14;
  QPushButton* Command5;
  QPushButton* Command6;
  QPushButton* Command7;
  QPushButton* Command8;
  QPushButton* Command9;
  QPushButton* Command11;
  QPushButton* Command10;
  // Arrow cross and calibration buttons.
  QFrame* Frame3;
  QPushButton* Command1;
  QPushButton* Command2;
  QPushButton* Command3;
  QPushButton* Command4;
  QLineEdit* Text4;  // step
  QPushButton* Command12;
  QPushButton* Command13;
  QLabel* Label10;
  QLabel* Label9;
  QLabel* Label5;
  // Calibration frame; Text3 elements 0 to 2 do not exist.
  QGroupBox* Frame2;
  QLineEdit* Text3[10];
  QLabel* Label66;
  QLabel* Label21;  // help line
  QLabel* Label3;   // column header
  QLabel* Label15;  // rulers
  QLabel* Label13;

  QAction* mnuConfigura;
  QAction* mnuTiqueron;
  QAction* mnuMuno;
  QAction* mnufl;
  QAction* mnuInfo;
  QAction* mnuFI;
  QAction* mnuAyuda;
  QAction* mnuSalir;
  QAction* mnuHoja;
  QAction* mnuComprobar;

  // Closing the window saves the calibration and unloads it.
  void done(int result) override;

 private:
  // Layout.
  void creaControles();
  void creaFormularios();
  void creaNavegador();
  void creaCruz();
  void creaConfiguracion();
  void creaMenus();
  void conectaEventos();
  // Start and files.
  void cargaVentana();
  bool leeConfiguracion();
  // guardacfg; `avisaIncompleto` false keeps quiet about an old file too
  // short to read, which the save itself completes.
  void guardaCalibracion(bool avisaIncompleto);
  void preparaPantalla(const JuegoLoto& juego);
  const JuegoLoto& juego() const { return juegoOBonoloto(floto); }
  // Drawing.
  void pantallaTiqueron(bool visible);
  void aspectoRejillas(bool pantalla);
  // The widgets of a game's form.
  struct Formulario {
    QFrame* marco;
    QVector<Grid*> numeros;
    QVector<Grid*> extras;
    QLabel* equis;  // the fixed "X" fijos writes
  };
  Formulario formulario(const JuegoLoto& juego) const;
  // Every number grid of the four forms, which the calibration restyles.
  QVector<Grid*> rejillasNumeros() const;
  qint16 apuestasAMarcar() const;
  void escribe(const Formulario& formulario, const struct MarcaLoto& marca);
  QVector<QWidget*> cajasApuestas() const;
  void navega(qint32 salto, qint16 modo);
  void desplazaCon(qint32* offset, int sentido, bool conVariac);
  void avisaFallo(const RuntimeError& error, const QString& etiqueta);
  void ponFuenteRejillas();

  Platform platform_;
  QString rutaPrograma_;
  std::unique_ptr<DesarrolloLoto> desarrollo_;
  EventosRaton* eventos_;
  bool descargada_ = false;
  // Whether the last Tiqueron call drew its ticket.
  bool dibujado_ = false;
};
