// Tiqueron: prints Spanish state-lottery tickets on an ordinary printer.
#include "app/application.h"
#include "app/boletos.h"
#include "app/platform/file_attributes.h"
#include "app/platform/qt_dialogs.h"
#include "app/printer/qt_printer.h"
#include "app/program_folder.h"

int main(int argc, char** argv) {
  Application app(argc, argv);
  installSpanishTranslation(app);

  QtDialogs dialogs;
  app.setErrorDialogs(&dialogs);
  SystemPrinter printer;
  SystemFileAttributes attributes;
  const Platform platform{dialogs, printer, attributes};

  Boletos boletos(platform, runningProgramFolder());
  boletos.show();
  return app.exec();
}
