#include "tests/fuzz/fuzz_version.h"

#include "version/version_label.h"
#include "version/version_record_file.h"

void buscaVersiones(const QString& ruta) {
  versionLabelText(ruta);
  fileVersionStrings(ruta);
}
