#include "tests/support/scripted_dialogs.h"

MessageResult ScriptedDialogs::message(const QString& text, const QString& title,
                                       MessageButtons buttons, MessageIcon icon) {
  shown_.push_back({false, text, title, buttons, icon});
  if (!answers_.empty() && std::holds_alternative<MessageResult>(answers_.front())) {
    const MessageResult result = std::get<MessageResult>(answers_.front());
    answers_.pop_front();
    return result;
  }
  return buttons == MessageButtons::YesNoCancel ? MessageResult::Yes : MessageResult::Ok;
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title, const QString&) {
  shown_.push_back({true, prompt, title, MessageButtons::OkCancel, MessageIcon::None});
  if (!answers_.empty() && std::holds_alternative<QString>(answers_.front())) {
    const QString typed = std::get<QString>(answers_.front());
    answers_.pop_front();
    return typed;
  }
  return QString();
}
