#include "app/application.h"

#include "app/canvas/safe_handler.h"

bool Application::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  const auto dispatch = [&] { handled = QApplication::notify(receiver, event); };
  if (!dialogs_) {
    try {
      dispatch();
    } catch (...) {
      ++errorsCaught_;
    }
    return handled;
  }
  bool failed = true;
  runHandler(*dialogs_, [&] {
    dispatch();
    failed = false;
  });
  if (failed) ++errorsCaught_;
  return handled;
}
