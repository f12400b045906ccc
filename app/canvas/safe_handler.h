#pragma once
// Every handler of the program's windows runs through runHandler: an error the
// handler did not trap itself is shown in the error box, as the windows' own
// traps show theirs (description, " Nº  ", number), and the program goes on.
// Qt does not promise that an exception can cross its own frames, so the
// error is caught here, before it reaches them.
#include <QObject>
#include <QString>
#include <exception>
#include <functional>

class Dialogs;

void runHandler(Dialogs& dialogs, const std::function<void()>& handler) noexcept;

// How many errors runHandler has caught since the program started: each is
// one that the routine it came from should have trapped itself.
int handlerErrorsCaught();

// The error box's text for an error that left a handler.
QString errorBoxText(const std::exception_ptr& error);

// A slot for connect() that runs `handler` through runHandler.
template <typename Handler>
auto safeHandler(Dialogs& dialogs, Handler handler) {
  return [&dialogs, handler = std::move(handler)] { runHandler(dialogs, handler); };
}

// A window's handler routine as such a slot.
template <typename Window>
auto safeHandler(Dialogs& dialogs, Window* window, void (Window::*handler)()) {
  return safeHandler(dialogs, [window, handler] { (window->*handler)(); });
}

// connect() of a signal to a window's handler routine, protected.
template <typename Sender, typename Signal, typename Window>
void connectSafely(Dialogs& dialogs, Sender* sender, Signal signal, Window* window,
                   void (Window::*handler)()) {
  QObject::connect(sender, signal, window, safeHandler(dialogs, window, handler));
}
