// Tiqueron: prints Spanish state-lottery tickets on an ordinary printer.
#include <QApplication>

#include "app/boletos.h"
#include "app/platform/file_attributes.h"
#include "app/platform/qt_dialogs.h"
#include "app/printer/qt_printer.h"
#include "app/program_folder.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  installSpanishTranslation(app);

  QtDialogs dialogs;
  SystemPrinter printer;
  SystemFileAttributes attributes;
  const Platform platform{dialogs, printer, attributes};

  Boletos boletos(platform, runningProgramFolder());
  boletos.show();
  return app.exec();
}
