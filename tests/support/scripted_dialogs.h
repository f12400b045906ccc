#pragma once
// Dialogs double: records every box and answers from a script.
#include <QString>
#include <QVector>
#include <deque>
#include <variant>

#include "app/platform/dialogs.h"

struct ShownBox {
  bool isInput = false;
  QString text;  // message text or input prompt
  QString title;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

class ScriptedDialogs : public Dialogs {
 public:
  // Answers are taken in order; a message box with no scripted answer gets
  // its first button, an input box with none gets an empty text.
  void answer(MessageResult result) { answers_.push_back(result); }
  void answer(const QString& typed) { answers_.push_back(typed); }

  MessageResult message(const QString& text, const QString& title, MessageButtons buttons,
                        MessageIcon icon) override;
  QString input(const QString& prompt, const QString& title, const QString& defaultText) override;

  const QVector<ShownBox>& shown() const { return shown_; }
  const ShownBox& last() const { return shown_.back(); }
  void forget() { shown_.clear(); }
  bool scriptUsedUp() const { return answers_.empty(); }

 private:
  std::deque<std::variant<MessageResult, QString>> answers_;
  QVector<ShownBox> shown_;
};
