// A version record itself, however damaged: the lookups the program makes
// (the translation, the string table it names, its entries) and the fixed
// information. Every value found must lie inside the record.
#include <string>

#include "tests/fuzz/fuzz_support.h"
#include "version/version_record.h"

namespace {

void compruebaValor(const VersionRecord& registro, const VersionValue& valor) {
  const auto* inicio = registro.data();
  fuzzCheck(valor.data >= inicio && valor.bytes <= registro.size() &&
                std::size_t(valor.data - inicio) <= registro.size() - valor.bytes,
            "version record: a value lies inside the record");
  versionText(valor);
}

std::optional<VersionValue> busca(const VersionRecord& registro, const std::string& ruta) {
  const std::optional<VersionValue> valor = queryVersionValue(registro, ruta);
  if (valor) compruebaValor(registro, *valor);
  return valor;
}

void hijos(const VersionRecord& registro, const std::string& ruta) {
  for (const VersionEntry& entrada : versionChildren(registro, ruta)) compruebaValor(registro, entrada.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const VersionRecord registro(data, data + size);
  busca(registro, "\\");
  hijos(registro, "\\");
  hijos(registro, "\\StringFileInfo");
  const std::optional<VersionValue> traducciones = busca(registro, "\\VarFileInfo\\Translation");
  const std::string traduccion = traducciones ? translationKey(*traducciones) : std::string();
  fuzzCheck(traduccion.empty() || traduccion.size() == 8, "version record: a translation of eight digits");
  const std::string tabla =
      "\\StringFileInfo\\" + (traduccion.empty() ? std::string("0C0A04B0") : traduccion);
  for (const char* clave : {"ProductVersion", "FileVersion", "ProductName"})
    busca(registro, tabla + "\\" + clave);
  hijos(registro, tabla + "\\");
  return 0;
}
