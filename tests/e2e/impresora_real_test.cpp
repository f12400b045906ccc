// The program as it runs for a user, on the files of data/ in a program folder of its own, printing
// on the system's default printer. That printer must be a cups-pdf queue, whose PDF files are read
// back: every test skips where there is none, as the suite must never feed paper to a real printer.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <memory>

#include "app/boletos.h"
#include "app/platform/file_attributes.h"
#include "app/platform/platform.h"
#include "app/printer/qt_printer.h"
#include "loto/boletolo.h"
#include "tests/support/hoja_en_papel.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"
#include "tests/support/tool_path.h"
#include "tests/support/ventana_modal.h"

namespace {

class ImpresoraReal : public ::testing::Test {
 protected:
  void SetUp() override {
    if (cola.isEmpty() || !runTool("lpstat", {"-v", cola}).contains("cups-pdf:"))
      GTEST_SKIP() << "no cups-pdf queue is the default printer (scripts/print-queue.sh makes one)";
    const QDir datos(QStringLiteral(TIQUERON_DATA_DIR));
    for (const QString& nombre : datos.entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(datos.filePath(nombre), carpeta.file(nombre)));
    antes_ = archivos();
  }
  // What reached paper is removed, unless a test failed on it.
  void TearDown() override {
    if (!HasFailure())
      for (const QString& pdf : impresas_) QFile::remove(pdf);
  }

  // The files cups-pdf wrote since the last call, in the order printed, once the queue holds no job
  // and at least `esperados` are whole, ended by their trailer (a minute at most).
  QStringList impresas(int esperados) {
    const auto completo = [](const QString& pdf) {
      QFile f(pdf);
      return f.open(QIODevice::ReadOnly) && f.size() > 1024 && f.seek(f.size() - 64) &&
             f.read(64).contains("%%EOF");
    };
    QElapsedTimer reloj;
    reloj.start();
    QStringList nuevas;
    do {
      QThread::msleep(100);
      nuevas = archivos();
      nuevas.removeIf([this](const QString& pdf) { return antes_.contains(pdf); });
    } while (!(trabajos().isEmpty() && nuevas.size() >= esperados &&
               std::all_of(nuevas.begin(), nuevas.end(), completo)) &&
             reloj.elapsed() < 60000);
    antes_ += nuevas;
    impresas_ += nuevas;
    return nuevas;
  }
  // The ids of the jobs the queue holds.
  QStringList trabajos() const {
    QStringList ids;
    for (const QByteArray& linea : runTool("lpstat", {"-o", cola}).split('\n'))
      if (!linea.trimmed().isEmpty()) ids << QString::fromUtf8(linea.split(' ').first());
    return ids;
  }

  const QString cola = QPrinterInfo::defaultPrinterName();
  TempFolder carpeta;
  ScriptedDialogs dialogos;
  SystemPrinter impresora;
  SystemFileAttributes atributos;
  Platform plataforma{dialogos, impresora, atributos};

 private:
  // Where cups-pdf writes this user's files (its Out setting as Debian ships it), oldest first: it
  // writes them one after the other.
  QStringList archivos() const {
    QStringList pdfs;
    for (const QFileInfo& f : QDir(QDir::home().filePath("PDF"))
                                  .entryInfoList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed))
      pdfs << f.absoluteFilePath();
    return pdfs;
  }
  QStringList antes_, impresas_;
};

// Each sample game printed from its window, opened from the start-up window: ticket 2 with every
// mark at its box and nothing else, then the test sheet.
class MuestraReal : public ImpresoraReal, public ::testing::WithParamInterface<Muestra> {};

TEST_P(MuestraReal, TheTicketAndTheTestSheetReachPaperWhereTheFormWantsThem) {
  const double alto = imprimeMuestra(plataforma, dialogos, carpeta.path(), GetParam());
  const QStringList hojas = impresas(2);
  ASSERT_EQ(hojas.size(), 2);
  const PapelEsperado papel = papelEsperado(GetParam(), carpeta.read(GetParam().archivo), 2);
  compruebaTinta(hojas[0], papel.marcas, papel.textos + papel.fijas, {}, kToleranciaCola);
  compruebaHoja(hojas[1], papel, alto);
}

INSTANTIATE_TEST_SUITE_P(Muestras, MuestraReal, ::testing::ValuesIn(kMuestras), [](const auto& i) {
  return QString(i.param.archivo).section('.', 0, 0).toStdString();
});

// A stopped printer takes the tickets without a word; "Fin Impr" then cancels them and only them,
// and nothing reaches paper once the printer runs again.
TEST_F(ImpresoraReal, FinImprCancelsTheTicketsHeldInAStoppedQueueAndOnlyThem) {
#ifndef TIQUERON_E2E_WITH_CUPS
  GTEST_SKIP() << "built without CUPS: the program cannot reach the queue's jobs";
#endif
  if (QProcess::execute("cupsdisable", {cola}) != 0) GTEST_SKIP() << "this user may not stop the queue";
  const std::shared_ptr<void> reanuda(nullptr, [this](void*) { QProcess::execute("cupsenable", {cola}); });
  // Another program's document waits in the same queue, with whatever other users left there.
  const QString otro = QString(runTool("lp", {"-d", cola, carpeta.file("lotoAy.txt")})).section(' ', 3, 3);
  QStringList otros = trabajos(), retenidos, quedan;
  Boletos principal(plataforma, carpeta.path());
  principal.show();
  conVentana<boletoLO>(
      [&] { principal.Command2->click(); },
      [&](boletoLO& w) {
        w.File2->setCurrentItem(w.File2->findItems("AB000017.TXT", Qt::MatchExactly).value(0));
        dialogos.answer(MessageResult::Yes);
        w.File2_Click();
        dialogos.forget();
        w.Command10->click();  // Imprime Siguiente: tickets 2 and 3
        w.Command10->click();
        retenidos = trabajos();
        w.mnuFI->trigger();
        quedan = trabajos();
      });
  EXPECT_TRUE(dialogos.shown().isEmpty()) << "a box came up: " << dialogos.last().text.toStdString();
  for (const QString& id : otros) EXPECT_TRUE(quedan.removeOne(id)) << id.toStdString() << " was cancelled";
  EXPECT_EQ(std::pair(retenidos.size() - otros.size(), quedan.size()), std::pair(qsizetype(2), qsizetype(0)))
      << "the two tickets held, then cancelled";
  QProcess::execute("cancel", {otro});
  QProcess::execute("cupsenable", {cola});
  EXPECT_TRUE(impresas(0).isEmpty()) << "a cancelled ticket reached paper";
}

}  // namespace
