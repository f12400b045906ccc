#pragma once
// Where Qt's own Spanish texts (the standard buttons) are on this platform.
#include <QString>

QString qtTranslationsFolder();
