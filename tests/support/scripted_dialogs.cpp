#include "tests/support/scripted_dialogs.h"

MessageResult ScriptedDialogs::message(const QString& text, const QString& title, MessageButtons buttons,
                                       MessageIcon icon) {
  shown_.push_back({text, title, buttons, icon});
  return take<MessageResult>().value_or(buttons == MessageButtons::YesNoCancel ? MessageResult::Yes
                                                                               : MessageResult::Ok);
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title, const QString&) {
  shown_.push_back({prompt, title, MessageButtons::OkCancel, MessageIcon::None});
  return take<QString>().value_or(QString());
}
