#pragma once
// Message and input boxes. The windows ask through this interface so tests can
// answer from a script and read back every box's exact text.
#include <QString>

enum class MessageButtons { Ok, OkCancel, YesNoCancel };
enum class MessageIcon { None, Stop, Exclamation, Information };
enum class MessageResult { Ok, Cancel, Yes, No };

// The title of boxes that name none.
inline const QString kDefaultTitle = QStringLiteral("Tiqueron");

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The first button is the default; Escape or closing the box answers Cancel
  // where there is one (Ok where it is the only button).
  virtual MessageResult message(const QString& text, const QString& title, MessageButtons buttons,
                                MessageIcon icon) = 0;
  // The typed answer; Cancel or closing the box answers an empty text.
  virtual QString input(const QString& prompt, const QString& title,
                        const QString& defaultText = QString()) = 0;
};
