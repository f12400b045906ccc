#include "tests/support/scripted_dialogs.h"

#include <optional>

namespace {

// The next scripted answer when it is of kind T.
template <typename T>
std::optional<T> take(std::deque<std::variant<MessageResult, QString>>& answers) {
  if (answers.empty() || !std::holds_alternative<T>(answers.front())) return std::nullopt;
  const T answer = std::get<T>(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

MessageResult ScriptedDialogs::message(const QString& text, const QString& title, MessageButtons buttons,
                                       MessageIcon icon) {
  shown_.push_back({false, text, title, buttons, icon});
  return take<MessageResult>(answers_).value_or(buttons == MessageButtons::YesNoCancel ? MessageResult::Yes
                                                                                       : MessageResult::Ok);
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title, const QString&) {
  shown_.push_back({true, prompt, title, MessageButtons::OkCancel, MessageIcon::None});
  return take<QString>(answers_).value_or(QString());
}
