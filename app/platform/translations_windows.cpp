#include "app/platform/translations.h"

// The Windows program is one file: it carries Qt's Spanish texts inside.
QString qtTranslationsFolder() {
  return QStringLiteral(":/translations");
}
