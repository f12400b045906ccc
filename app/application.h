#pragma once
// The program's QApplication. Its event dispatch is the outer net under the
// handlers' own (safe_handler.h): an error that still reaches it is shown in
// the error box and the event loop goes on.
#include <QApplication>

class Dialogs;

class Application : public QApplication {
 public:
  Application(int& argc, char** argv) : QApplication(argc, argv) {}
  // Where the error box is shown; none shows nothing.
  void setErrorDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
  bool notify(QObject* receiver, QEvent* event) override;
  // How many errors reached the net.
  int errorsCaught() const { return errorsCaught_; }

 private:
  Dialogs* dialogs_ = nullptr;
  int errorsCaught_ = 0;
};
