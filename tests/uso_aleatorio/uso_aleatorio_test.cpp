// Every window used at random, as a careless person would: thousands of
// clicks, keys and silly values drawn from the controls the window shows,
// every box answered at random. The program must never end (an exception
// leaving a handler, or a sanitizer report, ends this test program too), no
// error may get past the handlers' own net, and the calibration files must
// be whole at the end. TIQUERON_SEMILLA and TIQUERON_ACCIONES change the seed
// and the number of actions; the seed is printed at every start.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <random>

#include "app/application.h"
#include "app/boletos.h"
#include "app/canvas/safe_handler.h"
#include "app/platform/delimited.h"
#include "help/ayuda.h"
#include "loto/boletolo.h"
#include "quiniela/boletoqp.h"
#include "tests/support/entorno_prueba.h"
#include "tests/support/texto_en_fallos.h"

namespace {

const QStringList kValores = {QString(20, u'9'), u"40000"_s, u"-40000"_s, u"1e400"_s, u"abc"_s,
                              QString(300, u'7'), QString(400, u'9'), QString(), u" "_s, u"8"_s, u"0"_s};
const QList<int> kTeclas = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,
                            Qt::Key_Space,  Qt::Key_Up,    Qt::Key_Down};

// Boxes answered at random: any of the box's buttons, any silly typed value.
class DialogosAlAzar : public Dialogs {
 public:
  explicit DialogosAlAzar(std::mt19937& azar) : azar_(azar) {}
  MessageResult message(const QString&, const QString&, MessageButtons buttons, MessageIcon) override {
    const QVector<MessageResult> posibles =
        buttons == MessageButtons::Ok         ? QVector<MessageResult>{MessageResult::Ok}
        : buttons == MessageButtons::OkCancel ? QVector<MessageResult>{MessageResult::Ok, MessageResult::Cancel}
                                              : QVector<MessageResult>{MessageResult::Yes, MessageResult::No, MessageResult::Cancel};
    return posibles.at(int(azar_() % posibles.size()));
  }
  QString input(const QString&, const QString&, const QString&) override {
    return azar_() % 2 ? QString::number(azar_() % 40) : kValores.at(int(azar_() % kValores.size()));
  }

 private:
  std::mt19937& azar_;
};

quint32 semilla(quint32 porDefecto) {
  bool valida = false;
  const quint32 dada = qEnvironmentVariable("TIQUERON_SEMILLA").toUInt(&valida);
  return valida ? dada : porDefecto;
}

int acciones() {
  bool valida = false;
  const int dadas = qEnvironmentVariableIntValue("TIQUERON_ACCIONES", &valida);
  return valida ? dadas : 2000;
}

// The window under test as the user finds it: shown and active.
void muestra(QWidget& w) {
  w.show();
  QApplication::setActiveWindow(&w);
}

class UsoAleatorio : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    for (const QString& nombre : QDir(TIQUERON_DATA_DIR).entryList(QDir::Files))
      QFile::copy(TIQUERON_DATA_DIR + nombre, carpeta_.file(nombre));
    // As the program leaves them between uses.
    for (const char* cfg : {"configloi.cfg", "configqp.cfg"})
      QFile::setPermissions(carpeta_.file(cfg), QFile::ReadOwner);
    semilla_ = semilla(qHash(QByteArray(GetParam())) % 100000);
    azar_.seed(semilla_);
    std::printf("uso aleatorio %s: semilla %u\n", GetParam(), semilla_);
    std::fflush(stdout);
    // Whatever a command opens modally (help, a ticket window) is closed again,
    // so that the run goes on in the window under test.
    cierraModales_.setInterval(0);
    QObject::connect(&cierraModales_, &QTimer::timeout, [] {
      if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    cierraModales_.start();
    errores_ = erroresAtrapados();
  }

  void TearDown() override { cierraModales_.stop(); }

  // Errors that got past the routines' own traps, to the handlers' net or
  // to the event loop's.
  static int erroresAtrapados() {
    return handlerErrorsCaught() + static_cast<Application*>(QCoreApplication::instance())->errorsCaught();
  }

  // Runs the actions on the window `crea` makes, making it anew whenever an
  // action closed it.
  void usa(const std::function<QWidget*()>& crea) {
    std::unique_ptr<QWidget> w(crea());
    muestra(*w);
    for (int i = 0; i < acciones(); ++i) {
      if (!w->isVisible()) {
        // Hidden by one of its commands: the start-up window shows it again,
        // or, after the start-up window's "Salir", the program starts again
        // with an event loop of its own.
        anota(u"vuelve a mostrar la ventana"_s);
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        muestra(*w);
      } else if (azar_() % 400 == 0) {
        anota(u"cierra la ventana con su botón de cierre y la abre de nuevo"_s);
        w->close();
        w.reset(crea());
        muestra(*w);
      }
      accion(*w);
      QCoreApplication::processEvents();
      ASSERT_EQ(erroresAtrapados(), errores_)
          << "an error got past the routine's own trap, semilla " << semilla_ << "; last actions:\n"
          << historia_.join(u'\n').toStdString();
    }
    w->close();
  }

  // A configuration file whole: its fields, the line ended, read-only.
  void compruebaCalibracion(const QString& nombre, int campos) {
    const QString ruta = carpeta_.file(nombre);
    if (!QFile::exists(ruta)) return;
    const QByteArray datos = carpeta_.read(nombre);
    int leidos = 0;
    for (DelimitedReader lector(datos); !lector.atEnd(); lector.next()) ++leidos;
    EXPECT_EQ(leidos, campos) << nombre.toStdString() << ", semilla " << semilla_ << ": " << datos.toStdString();
    EXPECT_TRUE(datos.endsWith("\r\n")) << nombre.toStdString();
    EXPECT_FALSE(QFile::permissions(ruta) & QFile::WriteOwner) << nombre.toStdString() << " left writable";
  }

  TempFolder carpeta_;
  std::mt19937 azar_;
  DialogosAlAzar dialogos_{azar_};
  PdfPrinter impresora_{carpeta_.path()};
  SystemFileAttributes atributos_;
  Platform plataforma_{dialogos_, impresora_, atributos_};
  QString ruta_ = carpeta_.path();

 private:
  template <typename T>
  QList<T*> visibles(QWidget& w) {
    QList<T*> todos;
    for (T* control : w.findChildren<T*>())
      if (control->isVisible() && control->isEnabled()) todos << control;
    return todos;
  }

  void anota(const QString& que) {
    if (qEnvironmentVariableIsSet("TIQUERON_TRAZA")) std::fprintf(stderr, "%s\n", qPrintable(que));
    historia_.push_back(que);
    if (historia_.size() > 40) historia_.pop_front();
  }

  static QString nombre(const QObject* control) {
    const auto* boton = qobject_cast<const QAbstractButton*>(control);
    return QString::fromLatin1(control->metaObject()->className()) + u' ' + (boton ? boton->text() : QString());
  }

  void accion(QWidget& w) {
    const QList<QAbstractButton*> botones = visibles<QAbstractButton>(w);
    const QList<QLineEdit*> cajas = visibles<QLineEdit>(w);
    const QList<QLabel*> etiquetas = visibles<QLabel>(w);
    const QList<QListWidget*> listas = visibles<QListWidget>(w);
    QList<QAction*> menus;
    for (QMenuBar* barra : w.findChildren<QMenuBar*>()) menus += barra->actions();
    const auto uno = [this](const auto& lista) { return lista.at(int(azar_() % lista.size())); };
    switch (azar_() % 8) {
      case 0:
      case 1:
        if (!botones.isEmpty()) {
          QAbstractButton* boton = uno(botones);
          anota(u"clic en "_s + nombre(boton));
          QTest::mouseClick(boton, Qt::LeftButton);
        }
        break;
      case 2:
        if (!cajas.isEmpty()) {
          QLineEdit* caja = uno(cajas);
          const QString valor = uno(kValores);
          anota(u"escribe «"_s + valor.left(24) + u"» en "_s + caja->objectName());
          caja->setFocus();
          caja->setText(valor);
          if (azar_() % 2) QTest::keyClick(caja, Qt::Key_Return);
        }
        break;
      case 3:
        if (!etiquetas.isEmpty()) {
          QLabel* etiqueta = uno(etiquetas);
          anota(u"clic en la etiqueta «"_s + etiqueta->text().left(24) + u'»');
          QTest::mouseClick(etiqueta, Qt::LeftButton);
        }
        break;
      case 4:
        if (!menus.isEmpty()) {
          QAction* menu = uno(menus);
          anota(u"menú "_s + menu->text());
          menu->trigger();
        }
        break;
      case 5:
        if (!listas.isEmpty()) {
          QListWidget* lista = uno(listas);
          if (lista->count() == 0) break;
          QListWidgetItem* entrada = lista->item(int(azar_() % lista->count()));
          lista->scrollToItem(entrada);
          anota(u"clic en la entrada «"_s + entrada->text() + u'»');
          QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(entrada).center());
        }
        break;
      case 6: {
        QWidget* foco = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
        const int tecla = uno(kTeclas);
        anota(u"tecla "_s + QString::number(tecla, 16) + u" en "_s + nombre(foco));
        QTest::keyClick(foco, Qt::Key(tecla));
        break;
      }
      case 7: {
        // An access key, of the menu bar or of a control.
        const QChar letra = QChar(u'A' + int(azar_() % 26));
        anota(u"Alt+"_s + letra);
        QTest::keyClick(&w, Qt::Key(Qt::Key_A + (letra.unicode() - u'A')), Qt::AltModifier);
        break;
      }
    }
  }

  quint32 semilla_ = 0;
  QTimer cierraModales_;
  int errores_ = 0;
  QStringList historia_;
};

TEST_P(UsoAleatorio, NoActionEndsTheProgramOrSpoilsTheCalibration) {
  const QString ventana = QString::fromLatin1(GetParam());
  if (ventana == u"inicio") {
    usa([this] { return new Boletos(plataforma_, ruta_); });
  } else if (ventana == u"quinielas") {
    usa([this] { return new boletoqp(plataforma_, ruta_); });
  } else if (ventana == u"ayuda") {
    usa([this] { return new Ayuda(plataforma_, ruta_); });
  } else {
    // The lotto window on the sample file of one game, chosen as a user does.
    usa([this, ventana] {
      auto* w = new boletoLO(plataforma_, ruta_);
      if (w->File2->isHidden()) w->abrof();
      const auto archivo = w->File2->findItems(ventana, Qt::MatchStartsWith);
      if (!archivo.isEmpty()) {
        w->File2->setCurrentItem(archivo.first());
        w->File2_Click();
      }
      return w;
    });
  }
  compruebaCalibracion(u"configqp.cfg"_s, 15);
  compruebaCalibracion(u"configloi.cfg"_s, 7);
}

INSTANTIATE_TEST_SUITE_P(Ventanas, UsoAleatorio,
                         ::testing::Values("inicio", "quinielas", "ayuda", "AB", "AP", "AG", "AE"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
