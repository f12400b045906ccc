#pragma once
// Dialogs double: records every box and answers from a script.
#include <QVector>
#include <deque>
#include <optional>
#include <variant>

#include "app/platform/dialogs.h"

struct ShownBox {
  QString text, title;  // text: the message or the input prompt
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

class ScriptedDialogs : public Dialogs {
 public:
  // Answers go in order; unscripted, a message box gets its first button, an input box no text.
  void answer(MessageResult result) { answers_.push_back(result); }
  void answer(const QString& typed) { answers_.push_back(typed); }

  MessageResult message(const QString& text, const QString& title, MessageButtons, MessageIcon) override;
  QString input(const QString& prompt, const QString& title, const QString& defaultText) override;

  const QVector<ShownBox>& shown() const { return shown_; }
  const ShownBox& last() const { return shown_.back(); }
  void forget() { shown_.clear(); }

 private:
  // The next scripted answer when it is of kind T.
  template <typename T>
  std::optional<T> take() {
    if (answers_.empty() || !std::holds_alternative<T>(answers_.front())) return std::nullopt;
    const T answer = std::get<T>(answers_.front());
    answers_.pop_front();
    return answer;
  }

  std::deque<std::variant<MessageResult, QString>> answers_;
  QVector<ShownBox> shown_;
};
