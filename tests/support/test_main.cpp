// Every test program runs in a QApplication with the Spanish translation, headless unless told otherwise.
#include <gtest/gtest.h>

#include <QFont>

#include "app/application.h"
#include "app/platform/qt_dialogs.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  Application app(argc, argv);
  installSpanishTranslation(app);
  // Under Wine the offscreen platform knows the fonts by their own names only:
  // TIQUERON_FUENTES ("Arial=Liberation Sans;…") gives the faces that
  // fontconfig gives the Linux tests.
  for (const QString& par : qEnvironmentVariable("TIQUERON_FUENTES").split(';', Qt::SkipEmptyParts))
    QFont::insertSubstitution(par.section('=', 0, 0), par.section('=', 1));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
