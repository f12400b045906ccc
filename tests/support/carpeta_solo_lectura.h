#pragma once
// A program folder the program cannot write into, for as long as it lives.
#include <QString>

// Takes away, or gives back, the right to create and remove files in `carpeta`.
void ponSoloLectura(const QString& carpeta, bool soloLectura);

class CarpetaSoloLectura {
 public:
  explicit CarpetaSoloLectura(const QString& carpeta) : carpeta_(carpeta) { ponSoloLectura(carpeta_, true); }
  ~CarpetaSoloLectura() { ponSoloLectura(carpeta_, false); }
  CarpetaSoloLectura(const CarpetaSoloLectura&) = delete;
  CarpetaSoloLectura& operator=(const CarpetaSoloLectura&) = delete;

 private:
  QString carpeta_;
};
