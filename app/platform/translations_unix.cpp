#include <QLibraryInfo>

#include "app/platform/translations.h"

QString qtTranslationsFolder() {
  return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}
