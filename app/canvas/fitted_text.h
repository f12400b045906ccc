#pragma once
// A status box whose text must stay readable whole: a text wider than the box
// is shown in a smaller font, down to a floor, and from its start.
#include <QString>

class QLineEdit;

void setFittedText(QLineEdit* box, const QString& text);
