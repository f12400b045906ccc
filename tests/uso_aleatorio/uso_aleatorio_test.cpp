// Every window used at random, as a careless person would: thousands of
// clicks, keys and silly values drawn from the controls the window shows,
// every box answered at random. The program must never end (an exception
// leaving a handler, or a sanitizer report, ends this test program too), no
// error may get past the handlers' own net, and the calibration files must
// be whole at the end. TIQUERON_SEMILLA and TIQUERON_ACCIONES change the seed
// and the number of actions; the seed is printed at every start.
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
    const int n = int(azar_() % 3);
    if (botones == MessageButtons::Ok) return MessageResult::Ok;
    if (botones == MessageButtons::OkCancel) return n ? MessageResult::Ok : MessageResult::Cancel;
    return n == 0 ? MessageResult::Yes : n == 1 ? MessageResult::No : MessageResult::Cancel;
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
    bool dada = false;
    semilla_ = qEnvironmentVariable("TIQUERON_SEMILLA").toUInt(&dada);
    if (!dada) semilla_ = qHash(QByteArray(GetParam())) % 100000;
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

  // Runs the actions on the window `crea` makes, making it anew whenever an
  // action closed it.
  void usa(const std::function<QWidget*()>& crea) {
    const int errores = erroresAtrapados();
    bool valida = false;
    const int acciones = qEnvironmentVariableIntValue("TIQUERON_ACCIONES", &valida);
    std::unique_ptr<QWidget> w(crea());
    for (int i = 0; i < (valida ? acciones : 2000); ++i) {
      if (!w->isVisible() && i > 0) {
        // Hidden by one of its commands: the start-up window shows it again,
        // or, after the start-up window's "Salir", the program starts again
        // with an event loop of its own.
        anota(u"vuelve a mostrar la ventana"_s);
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
      } else if (azar_() % 400 == 0) {
        anota(u"cierra la ventana con su botón de cierre y la abre de nuevo"_s);
        w->close();
        w.reset(crea());
      }
      w->show();
      QApplication::setActiveWindow(w.get());
      accion(*w);
      QCoreApplication::processEvents();
      ASSERT_EQ(erroresAtrapados(), errores)
          << "an error got past the routine's own trap, semilla " << semilla_ << "; last actions:\n"
          << historia_.join(u'\n').toStdString();
    }
    w->close();
    // Each configuration file whole: its fields, the line ended, read-only.
    for (const auto& [nombre, campos] : {std::pair{"configqp.cfg", 15}, {"configloi.cfg", 7}}) {
      if (!QFile::exists(carpeta.file(nombre))) continue;
      const QByteArray datos = carpeta.read(nombre);
      int leidos = 0;
      for (DelimitedReader lector(datos); !lector.atEnd(); lector.next()) ++leidos;
      EXPECT_TRUE(leidos == campos && datos.endsWith("\r\n"))
          << nombre << ", semilla " << semilla_ << ": " << datos.toStdString();
      EXPECT_FALSE(QFile::permissions(carpeta.file(nombre)) & QFile::WriteOwner)
          << nombre << " left writable";
    }
  }

  std::mt19937 azar_;
  DialogosAlAzar azarDialogos{azar_};
  Platform alAzar{azarDialogos, impresora, atributos};

 private:
  void anota(const QString& que) {
    if (qEnvironmentVariableIsSet("TIQUERON_TRAZA")) std::fprintf(stderr, "%s\n", qPrintable(que));
    historia_.push_back(que);
    if (historia_.size() > 40) historia_.pop_front();
  }

  template <typename T>
  T* uno(QWidget& w) {
    QList<T*> todos;
    for (T* control : w.findChildren<T*>())
      if (control->isVisible() && control->isEnabled()) todos << control;
    return todos.isEmpty() ? nullptr : todos.at(int(azar_() % todos.size()));
  }

  void accion(QWidget& w) {
    const auto nombre = [](QWidget* c) {
      const auto* boton = qobject_cast<QAbstractButton*>(c);
      return QString::fromLatin1(c->metaObject()->className()) + u' ' +
             (boton ? boton->text() : c->objectName());
    };
    switch (azar_() % 8) {
      case 0:
      case 1:
        if (auto* boton = uno<QAbstractButton>(w)) {
          anota(u"clic en "_s + nombre(boton));
          QTest::mouseClick(boton, Qt::LeftButton);
        }
        break;
      case 2:
        if (auto* caja = uno<QLineEdit>(w)) {
          const QString valor = kValores.at(int(azar_() % kValores.size()));
          anota(u"escribe «"_s + valor.left(24) + u"» en "_s + nombre(caja));
          caja->setFocus();
          caja->setText(valor);
          if (azar_() % 2) QTest::keyClick(caja, Qt::Key_Return);
        }
        break;
      case 3:
        if (auto* etiqueta = uno<QLabel>(w)) {
          anota(u"clic en la etiqueta «"_s + etiqueta->text().left(24) + u'»');
          QTest::mouseClick(etiqueta, Qt::LeftButton);
        }
        break;
      case 4:
        if (auto* barra = w.findChild<QMenuBar*>(); barra && !barra->actions().isEmpty()) {
          QAction* menu = barra->actions().at(int(azar_() % barra->actions().size()));
          anota(u"menú "_s + menu->text());
          menu->trigger();
        }
        break;
      case 5:
        if (auto* lista = uno<QListWidget>(w); lista && lista->count() > 0) {
          QListWidgetItem* entrada = lista->item(int(azar_() % lista->count()));
          lista->scrollToItem(entrada);
          anota(u"clic en la entrada «"_s + entrada->text() + u'»');
          QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(entrada).center());
        }
        break;
      case 6: {
        QWidget* foco = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
        const Qt::Key tecla = kTeclas[azar_() % std::size(kTeclas)];
        anota(u"tecla "_s + QString::number(tecla, 16) + u" en "_s + nombre(foco));
        QTest::keyClick(foco, tecla);
        break;
      }
      case 7: {
        // An access key, of the menu bar or of a control.
        const int letra = int(azar_() % 26);
        anota(u"Alt+"_s + QChar(u'A' + letra));
        QTest::keyClick(&w, Qt::Key(Qt::Key_A + letra), Qt::AltModifier);
        break;
      }
    }
  }

  quint32 semilla_ = 0;
  QTimer cierraModales_;
  QStringList historia_;
};

TEST_P(UsoAleatorio, NoActionEndsTheProgramOrSpoilsTheCalibration) {
  const QString ventana = QString::fromLatin1(GetParam());
  usa([&]() -> QWidget* {
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
  });
}

INSTANTIATE_TEST_SUITE_P(Ventanas, UsoAleatorio,
                         ::testing::Values("inicio", "quinielas", "ayuda", "AB", "AP", "AG", "AE"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
