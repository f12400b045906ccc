#include "tests/support/scripted_dialogs.h"

#include <optional>

// The next scripted answer when it is of kind T.
template <typename T>
static std::optional<T> take(std::deque<std::variant<MessageResult, QString>>& answers) {
  if (answers.empty() || !std::holds_alternative<T>(answers.front())) return std::nullopt;
  const T answer = std::get<T>(answers.front());
  answers.pop_front();
  return answer;
}

MessageResult ScriptedDialogs::message(const QString& text, const QString& title, MessageButtons buttons,
                                       MessageIcon icon) {
  shown_.push_back({false, text, title, buttons, icon});
  const MessageResult first = buttons == MessageButtons::YesNoCancel ? MessageResult::Yes : MessageResult::Ok;
  return take<MessageResult>(answers_).value_or(first);
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title, const QString&) {
  shown_.push_back({true, prompt, title, MessageButtons::OkCancel, MessageIcon::None});
  return take<QString>(answers_).value_or(QString());
}
