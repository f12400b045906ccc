// Every test program runs in a QApplication with the Spanish translation, headless unless told otherwise.
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/platform/qt_dialogs.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  Application app(argc, argv);
  installSpanishTranslation(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
