// Every window used at random, as a careless person would: thousands of
// clicks, keys and silly values drawn from the controls the window shows,
// every box answered at random. The program must never end (an exception
// leaving a handler, or a sanitizer report, ends this test program too), no
// error may get past the handlers' own net, and the calibration files must
// be whole at the end. TIQUERON_SEMILLA changes the seed; the seed is printed
// at every start.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
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

const QStringList kValores = {
    QString(20, u'9'),  u"40000"_s, u"-40000"_s, u"1e400"_s, u"abc"_s, QString(300, u'7'),
    QString(400, u'9'), QString(),  u" "_s,      u"8"_s,     u"0"_s};
const Qt::Key kTeclas[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,
                           Qt::Key_Space,  Qt::Key_Up,    Qt::Key_Down};

// Boxes answered at random: any of the box's buttons, any silly typed value.
class DialogosAlAzar : public Dialogs {
 public:
  explicit DialogosAlAzar(std::mt19937& azar) : azar_(azar) {}
  MessageResult message(const QString&, const QString&, MessageButtons botones, MessageIcon) override {
    const MessageResult tres[] = {MessageResult::Yes, MessageResult::No, MessageResult::Cancel};
    return botones == MessageButtons::Ok         ? MessageResult::Ok
           : botones == MessageButtons::OkCancel ? (azar_() % 3 ? MessageResult::Ok : MessageResult::Cancel)
                                                 : tres[azar_() % 3];
  }
  QString input(const QString&, const QString&, const QString&) override {
    return azar_() % 2 ? QString::number(azar_() % 40) : kValores.at(int(azar_() % kValores.size()));
  }

 private:
  std::mt19937& azar_;
};

int erroresAtrapados() {
  return handlerErrorsCaught() + static_cast<Application*>(QCoreApplication::instance())->errorsCaught();
}

class UsoAleatorio : public ::testing::TestWithParam<const char*>, protected EntornoPrueba {
 protected:
  void SetUp() override {
    for (const QString& nombre : QDir(TIQUERON_DATA_DIR).entryList(QDir::Files))
      QFile::copy(TIQUERON_DATA_DIR + nombre, carpeta.file(nombre));
    // As the program leaves them between uses.
    for (const char* cfg : {"configloi.cfg", "configqp.cfg"})
      QFile::setPermissions(carpeta.file(cfg), QFile::ReadOwner);
    semilla_ = qEnvironmentVariableIsSet("TIQUERON_SEMILLA")
                   ? qEnvironmentVariable("TIQUERON_SEMILLA").toUInt()
                   : qHash(QByteArray(GetParam())) % 100000;
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
  }

  std::mt19937 azar_;
  DialogosAlAzar azarDialogos{azar_};
  Platform alAzar{azarDialogos, impresora, atributos};

  // One of the window's visible, enabled controls of type T.
  template <typename T>
  T* uno(QWidget& w) {
    QList<T*> todos;
    for (T* control : w.findChildren<T*>())
      if (control->isVisible() && control->isEnabled()) todos << control;
    return todos.isEmpty() ? nullptr : todos.at(int(azar_() % todos.size()));
  }

  void accion(QWidget& w) {
    switch (azar_() % 7) {
      case 0:
      case 1:  // a button, or a label with a click of its own
        if (QWidget* control = azar_() % 3 ? static_cast<QWidget*>(uno<QAbstractButton>(w)) : uno<QLabel>(w))
          QTest::mouseClick(control, Qt::LeftButton);
        break;
      case 2:
        if (auto* caja = uno<QLineEdit>(w)) {
          caja->setFocus();
          caja->setText(kValores.at(int(azar_() % kValores.size())));
          if (azar_() % 2) QTest::keyClick(caja, Qt::Key_Return);
        }
        break;
      case 3:
        if (auto* barra = w.findChild<QMenuBar*>(); barra && !barra->actions().isEmpty())
          barra->actions().at(int(azar_() % barra->actions().size()))->trigger();
        break;
      case 4:
        if (auto* lista = uno<QListWidget>(w); lista && lista->count() > 0) {
          QListWidgetItem* entrada = lista->item(int(azar_() % lista->count()));
          lista->scrollToItem(entrada);
          QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(entrada).center());
        }
        break;
      case 5:
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w,
                        kTeclas[azar_() % std::size(kTeclas)]);
        break;
      case 6:  // an access key, of the menu bar or of a control
        QTest::keyClick(&w, Qt::Key(Qt::Key_A + int(azar_() % 26)), Qt::AltModifier);
        break;
    }
  }

  quint32 semilla_ = 0;
  QTimer cierraModales_;
};

// Runs the actions on the window of the case, making it anew whenever an action closed it.
TEST_P(UsoAleatorio, NoActionEndsTheProgramOrSpoilsTheCalibration) {
  const QString ventana = QString::fromLatin1(GetParam());
  const auto crea = [&]() -> QWidget* {
    if (ventana == u"inicio") return new Boletos(alAzar, rutaPrograma);
    if (ventana == u"quinielas") return new boletoqp(alAzar, rutaPrograma);
    if (ventana == u"ayuda") return new Ayuda(alAzar, rutaPrograma);
    // The lotto window on the sample file of one game, chosen as a user does.
    auto* w = new boletoLO(alAzar, rutaPrograma);
    if (w->File2->isHidden()) w->abrof();
    if (const auto archivo = w->File2->findItems(ventana, Qt::MatchStartsWith); !archivo.isEmpty()) {
      w->File2->setCurrentItem(archivo.first());
      w->File2_Click();
    }
    return w;
  };
  const int errores = erroresAtrapados();
  std::unique_ptr<QWidget> w(crea());
  for (int i = 0; i < 2000; ++i) {
    if (!w->isVisible() && i > 0) {
      // Hidden by one of its commands: the start-up window shows it again, or, after the
      // start-up window's "Salir", the program starts again with an event loop of its own.
      QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
      QCoreApplication::exec();
    } else if (azar_() % 400 == 0) {
      w->close();  // its close button, then opened again
      w.reset(crea());
    }
    w->show();
    QApplication::setActiveWindow(w.get());
    accion(*w);
    QCoreApplication::processEvents();
    ASSERT_EQ(erroresAtrapados(), errores)
        << "an error got past the routine's own trap, semilla " << semilla_ << ", action " << i;
  }
  w->close();
  // Each configuration file whole: its fields, the line ended, read-only.
  for (const auto& [nombre, campos] : {std::pair{"configqp.cfg", 15}, {"configloi.cfg", 7}}) {
    if (!QFile::exists(carpeta.file(nombre))) continue;  // a window that never needed it
    const QByteArray datos = carpeta.read(nombre);
    int leidos = 0;
    for (DelimitedReader lector(datos); !lector.atEnd(); lector.next()) ++leidos;
    EXPECT_TRUE(leidos == campos && datos.endsWith("\r\n"))
        << nombre << ", semilla " << semilla_ << ": " << datos.toStdString();
    EXPECT_FALSE(QFile::permissions(carpeta.file(nombre)) & QFile::WriteOwner) << nombre << " left writable";
  }
}

INSTANTIATE_TEST_SUITE_P(Ventanas, UsoAleatorio,
                         ::testing::Values("inicio", "quinielas", "ayuda", "AB", "AP", "AG", "AE"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
