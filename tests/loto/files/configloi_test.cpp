// configloi.cfg: its halves, the load, the save, and the attributes around each use.
#include "loto/files/configloi.h"

#include <gtest/gtest.h>

#include <QFile>

#include "tests/support/error_number.h"
#include "tests/support/recording_attributes.h"
#include "tests/support/temp_folder.h"
#include "tests/support/texto_en_fallos.h"

namespace {

// The line as it is written, with these items 4 to 7.
QByteArray linea(const char* topes, const char* margenes, const char* nBole, const char* resto) {
  return QByteArray("980,30,\" 1290\",\"") + topes + "\",\"" + margenes + "\",\"" + nBole + "\",\"" + resto +
         "\"\r\n";
}
const QByteArray kLineaNueva = linea("0480-0155", "4840-1505", " 8", "980-30-1065-0-0");

QString leido(const CalibracionLoto& c) {
  return u"%1 %2 %3 %4"_s.arg(c.topeSup).arg(c.margenIzq).arg(c.nBole).arg(c.cfgResto);
}

TEST(ConfigLoi, HalvesAreReadAndWrittenWithFourDigits) {
  for (const auto& [item, primera, valor] :
       {std::tuple{"0480-0155", true, 480}, {"0480-0155", false, 155}, {"12", true, 12}, {"abc", false, 0}})
    EXPECT_EQ(mitadDe(item, primera), valor) << item;
  for (const auto& [viejo, valor, primera, nuevo] : {std::tuple{"0480-0155", 200, false, "0480-0200"},
                                                     {"0480-0155", 200, true, "0200-0155"},
                                                     {"0480-0155", -5, false, "0480-0000"},
                                                     {"0480-0155", 12345, true, "9999-0155"},
                                                     {"-123-0155", 7, false, "0000-0007"},
                                                     {"", 7, true, "0007-0000"}})
    EXPECT_EQ(conMitad(viejo, valor, primera), nuevo) << viejo << " " << valor;
}

// A load takes every item on its own: one missing or too large keeps its
// value, the rest are read. A missing file is made from the new line.
TEST(ConfigLoi, LoadTakesTheGamesHalfAndEveryItemItCanRead) {
  const QByteArray kNinguno;
  for (const auto& [contenido, primera, esperado, error] :
       {std::tuple{kLineaNueva, false, "155 1505 8 980-30-1065-0-0", 0},
        {kLineaNueva, true, "480 4840 8 980-30-1065-0-0", 0},
        {kNinguno, false, "155 1505 8 980-30-1065-0-0", 0},
        {"980,30,\" 1290\"\r\n\"0480-0155\",\"4840-1505\"\r\n\" 6\",\"resto\"\r\n", false, "155 1505 6 resto",
         0},
        {"980,30,\" 1290\",\"0480-0155\",\"4840-1505\",\" 8\"\r\n", false, "155 1505 8 antes", 62},
        {"980,30,\" 1290\",\"0400-0200\"\r\n", false, "200 -1 -1 antes", 62},
        {linea("0480-0155", "4840-1505", " 40000", "x"), true, "480 4840 -1 x", 6}}) {
    const TempFolder carpeta;
    RecordingAttributes atributos;
    ArchivoConfigLoi archivo(carpeta.path(), atributos);
    if (!contenido.isNull()) carpeta.write("configloi.cfg", contenido);
    CalibracionLoto calibracion{-1, -1, -1, "antes"};
    EXPECT_EQ(errorNumberOf([&] { archivo.leer(primera, calibracion); }), error) << contenido.constData();
    EXPECT_EQ(leido(calibracion), esperado) << contenido.constData();
    // Normal and back to read-only hidden around the read; made read-only hidden first when new.
    EXPECT_EQ(atributos.changes().size(), contenido.isNull() ? 3 : 2);
    EXPECT_EQ(atributos.changes().at(atributos.changes().size() - 2).attribute, FileAttribute::Normal);
    EXPECT_EQ(atributos.current(archivo.ruta()), FileAttribute::ReadOnlyHidden);
    EXPECT_EQ(carpeta.read("configloi.cfg"), contenido.isNull() ? kLineaNueva : contenido)
        << "a load writes nothing";
  }
}

// A save writes the game's half of each item, clamped to four digits, over
// what the file holds (the new line when there is none), and completes a short file.
TEST(ConfigLoi, SaveWritesTheGamesHalfOverWhatTheFileHolds) {
  const QByteArray kNinguno, kCorto = "980,30,\" 1290\",\"0111-0222\"\r\n";
  for (const auto& [contenido, primera, c, escrito, error] :
       {std::tuple{kLineaNueva, false, CalibracionLoto{200, 1505, 8, "980-30-1065-0-0"},
                   linea("0480-0200", "4840-1505", " 8", "980-30-1065-0-0"), 0},
        {kLineaNueva, true, CalibracionLoto{200, 4840, 5, "r"}, linea("0200-0155", "4840-1505", " 5", "r"),
         0},
        {kLineaNueva, false, CalibracionLoto{-30, 12000, 2, "r"}, linea("0480-0000", "4840-9999", " 2", "r"),
         0},
        {kNinguno, false, CalibracionLoto{200, 1505, 8, "r"}, linea("0480-0200", "4840-1505", " 8", "r"), 0},
        {kCorto, true, CalibracionLoto{200, 1860, 5, "r"}, linea("0200-0222", "1860-1505", " 5", "r"), 62}}) {
    const TempFolder carpeta;
    SystemFileAttributes sistema;
    ArchivoConfigLoi archivo(carpeta.path(), sistema);
    if (!contenido.isNull()) carpeta.write("configloi.cfg", contenido);
    if (contenido == kLineaNueva) sistema.set(archivo.ruta(), FileAttribute::ReadOnlyHidden);
    EXPECT_EQ(errorNumberOf([&] { archivo.guardar(primera, c); }), error) << escrito.constData();
    EXPECT_EQ(carpeta.read("configloi.cfg"), escrito);
    EXPECT_FALSE(QFile::permissions(archivo.ruta()) & QFile::WriteOwner) << "left read-only";
  }
}

// Refuses to make the file normal the first time, so that its read fails
// while a write would still succeed.
class AtributosQueFallanUnaVez : public RecordingAttributes {
 public:
  void set(const QString& path, FileAttribute attribute) override {
    if (attribute == FileAttribute::Normal && !std::exchange(fallado_, true))
      throw RuntimeError(ErrorNumber::PermissionDenied);
    RecordingAttributes::set(path, attribute);
  }

 private:
  bool fallado_ = false;
};

TEST(ConfigLoi, ASaveWritesNothingWhenTheFileCannotBeRead) {
  const TempFolder carpeta;
  carpeta.write("configloi.cfg", kLineaNueva);
  AtributosQueFallanUnaVez fallan;
  ArchivoConfigLoi archivo(carpeta.path(), fallan);
  EXPECT_EQ(errorNumberOf([&] {
              archivo.guardar(false, {300, 4540, 8, "r"});
            }),
            ErrorNumber::PermissionDenied);
  EXPECT_EQ(carpeta.read("configloi.cfg"), kLineaNueva);
  EXPECT_TRUE(fallan.changes().isEmpty());
  archivo.guardar(false, {300, 4540, 8, "r"});
  EXPECT_EQ(carpeta.read("configloi.cfg"), linea("0480-0300", "4840-4540", " 8", "r")) << "once it reads";
}

}  // namespace
