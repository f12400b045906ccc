#pragma once
// A button whose caption wraps over several lines when it is wider than the
// button, as the windows' long captions do.
#include <QPushButton>

class WrappedButton : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
