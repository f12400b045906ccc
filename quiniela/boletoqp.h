#pragma once
// The football-pools window: work screen, calibration editor and, through its
// own image, the printed La Quiniela ticket. Its client area is the ticket:
// the grids of Frame4 lie where the boxes of the pre-printed form lie.
#include <QString>
#include <QVector>
#include <functional>
#include <memory>

#include "app/canvas/twip_window.h"
#include "app/platform/platform.h"
#include "quiniela/desarrollo_quiniela.h"

class EventosRaton;
class Grid;
class RuntimeError;
class QAction;
class QColor;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class boletoqp : public TwipWindow {
  Q_OBJECT
 public:
  // Runs the window start: layout, introduction box, calibration file, file
  // question and first ticket. `rutaPrograma` is the start-up window's field;
  // the start sets it again to the running program's folder only when it
  // names that folder (or is empty), so a window made on another folder keeps it.
  boletoqp(const Platform& platform, QString& rutaPrograma, QWidget* parent = nullptr);
  ~boletoqp() override;

  // The open bet file and the current ticket.
  QString rutaArchivo;
  QString nombreArchivo;
  qint16 tipoFile = 0;  // 1 AD243, 2 text file
  qint32 napuestas = 0;
  qint32 nboletos = 0;
  qint32 boletoActual = 0;

  // Mode fields set before ejecuta runs.
  qint16 destino = 10;   // below 10 prints, 10 only shows
  qint16 modoSerie = 0;  // 1 continues with the next tickets
  qint32 primerBoleto = 1;
  qint16 apuestasBoleto = 8;  // columns drawn; 0 or 1 means all 8

  // Calibration.
  qint32 inicioX = -30;
  qint32 inicioY = 2085;
  qint32 margenIzq = 0;
  qint16 tamFuente = 9;
  bool negrita = true;
  QString signo = QStringLiteral("x");
  QString textoReservado;

  // Drawing and printing.
  void ejecuta();
  void mueve();
  void tablas();
  void blanquea();
  void desplazar();
  // Calibration.
  void inicio();
  void salva();

  // Menus.
  void mnuAbrir_Click();
  void mnuConfigura_Click();
  void mnuTiqueron_Click();
  void mnuIF_Click();
  void mnuP_Click();
  void mnuAyuda_Click();
  void mnuHoja_Click();
  void mnuComprobar_Click();

  // Buttons and boxes.
  void Command1_Click();   // Imp. Siguiente
  void Command2_Click();   // down
  void Command3_Click();   // Siguiente
  void Command4_Click();   // Anterior
  void Command5_Click();   // Cerrar
  void Command6_Click();   // >>  >>
  void Command7_Click();   // <<  <<
  void Command8_Click();   // Repite Tiqueron
  void Command9_Click();   // left
  void Command10_Click();  // up
  void Command11_Click();  // right
  void Text1_Click(int i);
  void Text3_Click(int i);
  void Text3_KeyPress(int i, int keyAscii);
  void Text4_Click();
  void Label16_Click();

  // Ticket area.
  QFrame* Frame4;
  Grid* tabla[8];
  Grid* tablaq[2];
  Grid* Tregla;
  Grid* Tregla2;

  // Ticket navigator.
  QFrame* Frame1;
  QLineEdit* Text2;  // status
  QLineEdit* Text4;  // matchday
  QLabel* Label1;
  QLabel* Label11;
  QLabel* Label20;
  QLabel* Text1[8];  // signs of the columns, one per line
  QLabel* Label15;   // Pleno al 15
  QPushButton* Command7;
  QPushButton* Command6;
  QPushButton* Command4;
  QPushButton* Command3;
  QPushButton* Command1;
  QPushButton* Command8;

  // Calibration panel and arrow cross; Text3 elements 2 and 3 do not exist.
  QGroupBox* Frame2;
  QLineEdit* Text3[9];
  QLabel* Label3;  // captions of the panel's boxes, the hint and the ruler
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QPushButton* Command5;
  QFrame* Frame3;
  QLabel* Label16;
  QPushButton* Command10;
  QPushButton* Command9;
  QPushButton* Command11;
  QPushButton* Command2;
  QLineEdit* Text5;

  QLabel* Label13;  // help line
  QLabel* Label14;  // instructions

  QAction* mnuAbrir;
  QAction* mnuConfigura;
  QAction* mnuTiqueron;
  QAction* mnuIF;
  QAction* mnuP;
  QAction* mnuAyuda;
  QAction* mnuHoja;
  QAction* mnuComprobar;

  // Closing the window saves the calibration.
  void done(int result) override;

 private:
  // Layout.
  void creaControles();
  void creaTicket();
  void creaNavegador();
  void creaConfiguracion();
  void creaCruz();
  void creaMenus();
  void conectaEventos();
  // Start and calibration.
  void cargaVentana();
  void refrescaRutaPrograma();
  void leeConfiguracion();
  void colocaPaneles();
  void guardaConfiguracion(const QString& campoSigno);
  // The calibration routines' error trap: the failure is reported (" Nº  "
  // and its number) and the routine goes on; false when `paso` failed.
  bool pasoCalibracion(const std::function<void()>& paso);
  double margen() const;
  // Drawing.
  enum class Dibujo { Hecho, SinLeer, SinJornada };
  Dibujo dibujaBoleto();
  void dibujaTextos(const BoletoQuiniela& boleto);
  void marcaPleno(int q, const QString& signoPleno);
  void dibujaColumnas(const BoletoQuiniela& boleto);
  void imprimeVentana();
  void aspectoRejillas(int borde, const QColor& lineas, const QColor& unos);
  void muestraPaneles(bool visibles);
  QVector<QWidget*> cajasColumnas() const;
  void avisaError(const RuntimeError& error);
  void desplazaCon(int dx, int dy);
  void navega(qint32 salto, qint16 modo);
  DesarrolloQuiniela& desarrollo();

  Platform platform_;
  QString& rutaPrograma_;
  std::unique_ptr<DesarrolloQuiniela> desarrollo_;
  EventosRaton* eventos_;
};
