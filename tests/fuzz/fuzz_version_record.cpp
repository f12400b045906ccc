// A version record itself, however damaged: the lookups the program makes
// (the translation, the string table it names, its entries). Every value
// found must lie inside the record.
#include <string>

#include "tests/fuzz/fuzz_support.h"
#include "version/version_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const VersionRecord registro(data, data + size);
  const auto dentro = [&](const VersionValue& valor) {
    fuzzCheck(valor.data >= registro.data() && valor.bytes <= registro.size() &&
                  std::size_t(valor.data - registro.data()) <= registro.size() - valor.bytes,
              "version record: a value lies inside the record");
    versionText(valor);
  };
  const std::optional<VersionValue> traducciones = queryVersionValue(registro, "\\VarFileInfo\\Translation");
  if (traducciones) dentro(*traducciones);
  const std::string traduccion = traducciones ? translationKey(*traducciones) : std::string();
  fuzzCheck(traduccion.empty() || traduccion.size() == 8, "version record: a translation of eight digits");
  const std::string tabla =
      "\\StringFileInfo\\" + (traduccion.empty() ? std::string("0C0A04B0") : traduccion) + "\\";
  for (const std::string& ruta : {std::string("\\"), tabla + "FileVersion"})
    if (const std::optional<VersionValue> valor = queryVersionValue(registro, ruta)) dentro(*valor);
  for (const std::string& ruta : {std::string("\\"), tabla})
    for (const VersionEntry& entrada : versionChildren(registro, ruta)) dentro(entrada.value);
  return 0;
}
