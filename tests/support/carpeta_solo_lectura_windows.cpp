#include "tests/support/carpeta_solo_lectura.h"
#include "tests/support/tool_path.h"

// Windows' read-only mark does not keep files out of a folder; under Wine the
// build machine's own permissions do.
void ponSoloLectura(const QString& carpeta, bool soloLectura) {
  runTool("chmod", {soloLectura ? "a-w" : "u+w", toolPath(carpeta)});
}
