// configloi.cfg: its halves, the load, the save, and the attributes around each use.
#include "loto/files/configloi.h"

#include <gtest/gtest.h>

#include <QFile>

#include "app/platform/file_attributes.h"
#include "tests/support/error_number.h"
#include "tests/support/texto_en_fallos.h"
#include "tests/support/recording_attributes.h"
#include "tests/support/temp_folder.h"

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

// Refuses to make the file normal the first time, so that its read fails
// while a write would still succeed.
class AtributosQueFallanUnaVez : public RecordingAttributes {
 public:
  void set(const QString& path, FileAttribute attribute) override {
    if (attribute == FileAttribute::Normal && !fallado_) {
      fallado_ = true;
      throw RuntimeError(ErrorNumber::PermissionDenied);
    }
    RecordingAttributes::set(path, attribute);
  }

 private:
  bool fallado_ = false;
};

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

// Every item is taken on its own: one missing or too large keeps its value, the rest are read.
TEST(ConfigLoi, LoadTakesTheGamesHalfAndEveryItemItCanRead) {
  const QByteArray partida = "980,30,\" 1290\"\r\n\"0480-0155\",\"4840-1505\"\r\n\" 6\",\"resto\"\r\n";
  for (const auto& [contenido, primera, esperado, error] :
       {std::tuple{kLineaNueva, false, "155 1505 8 980-30-1065-0-0", 0},
        {kLineaNueva, true, "480 4840 8 980-30-1065-0-0", 0},
        {partida, false, "155 1505 6 resto", 0},
        {"980,30,\" 1290\",\"0480-0155\",\"4840-1505\",\" 8\"\r\n", false, "155 1505 8 antes", 62},
        {"980,30,\" 1290\",\"0400-0200\"\r\n", false, "200 -1 -1 antes", 62},
        {linea("0480-0155", "4840-1505", " 40000", "x"), true, "480 4840 -1 x", 6}}) {
    TempFolder carpeta;
    RecordingAttributes atributos;
    ArchivoConfigLoi archivo(carpeta.path(), atributos);
    carpeta.write("configloi.cfg", contenido);
    CalibracionLoto calibracion{-1, -1, -1, "antes"};
    EXPECT_EQ(errorNumberOf([&] { archivo.leer(primera, calibracion); }), error) << contenido.constData();
    EXPECT_EQ(leido(calibracion), esperado) << contenido.constData();
    EXPECT_EQ(atributos.changes(),
              (QVector<AttributeChange>{{archivo.ruta(), FileAttribute::Normal},
                                        {archivo.ruta(), FileAttribute::ReadOnlyHidden}}));
    EXPECT_EQ(carpeta.read("configloi.cfg"), contenido) << "a load writes nothing";
  }
}

TEST(ConfigLoi, AMissingFileIsCreatedAtLoadAndTheCalibrationThenSaved) {
  TempFolder carpeta;
  RecordingAttributes atributos;
  ArchivoConfigLoi archivo(carpeta.path(), atributos);
  CalibracionLoto calibracion;
  archivo.leer(false, calibracion);
  EXPECT_EQ(contenidoNuevoLoi(), kLineaNueva);
  EXPECT_EQ(carpeta.read("configloi.cfg"), kLineaNueva);
  EXPECT_EQ(leido(calibracion), "155 1505 8 980-30-1065-0-0");
  EXPECT_EQ(atributos.changes(), (QVector<AttributeChange>{{archivo.ruta(), FileAttribute::ReadOnlyHidden},
                                                           {archivo.ruta(), FileAttribute::Normal},
                                                           {archivo.ruta(), FileAttribute::ReadOnlyHidden}}));

  atributos.forget();
  for (const auto& [primera, c, escrito] :
       {std::tuple{false, CalibracionLoto{200, 1505, 8, "980-30-1065-0-0"},
                   linea("0480-0200", "4840-1505", " 8", "980-30-1065-0-0")},
        {true, CalibracionLoto{200, 4840, 5, "r"}, linea("0200-0200", "4840-1505", " 5", "r")},
        {false, CalibracionLoto{-30, 12000, 2, "r"}, linea("0200-0000", "4840-9999", " 2", "r")}}) {
    archivo.guardar(primera, c);
    EXPECT_EQ(carpeta.read("configloi.cfg"), escrito);
  }
  QVector<AttributeChange> alrededor;  // of each read and each write
  for (int uso = 0; uso < 6; ++uso)
    alrededor << AttributeChange{archivo.ruta(), FileAttribute::Normal}
              << AttributeChange{archivo.ruta(), FileAttribute::ReadOnlyHidden};
  EXPECT_EQ(atributos.changes(), alrededor);
  archivo.leer(false, calibracion);
  EXPECT_EQ(leido(calibracion), "0 9999 2 r") << "clamped halves read back";

  QFile::remove(archivo.ruta());
  archivo.guardar(false, {200, 1505, 8, "r"});
  EXPECT_EQ(carpeta.read("configloi.cfg"), linea("0480-0200", "4840-1505", " 8", "r")) << "from the new line";
}

TEST(ConfigLoi, SaveCompletesAShortFileAndWritesNothingWhenTheFileCannotBeRead) {
  TempFolder carpeta;
  SystemFileAttributes sistema;
  ArchivoConfigLoi archivo(carpeta.path(), sistema);
  carpeta.write("configloi.cfg", "980,30,\" 1290\",\"0111-0222\"\r\n");
  EXPECT_EQ(errorNumberOf([&] { archivo.guardar(true, {200, 1860, 5, "r"}); }), ErrorNumber::InputPastEnd);
  EXPECT_EQ(carpeta.read("configloi.cfg"), linea("0200-0222", "1860-1505", " 5", "r"));
  EXPECT_FALSE(QFile::permissions(archivo.ruta()) & QFile::WriteOwner) << "left read-only";
  archivo.guardar(false, {155, 1505, 8, "r"});
  EXPECT_EQ(carpeta.read("configloi.cfg"), linea("0200-0155", "1860-1505", " 8", "r")) << "a read-only file";

  QFile::setPermissions(archivo.ruta(), QFile::ReadOwner | QFile::WriteOwner);  // the double changes none
  AtributosQueFallanUnaVez fallan;
  ArchivoConfigLoi bloqueado(carpeta.path(), fallan);
  EXPECT_EQ(errorNumberOf([&] {
              bloqueado.guardar(false, {300, 4540, 8, "r"});
            }),
            ErrorNumber::PermissionDenied);
  EXPECT_EQ(carpeta.read("configloi.cfg"), linea("0200-0155", "1860-1505", " 8", "r"));
  EXPECT_TRUE(fallan.changes().isEmpty());
  bloqueado.guardar(false, {300, 4540, 8, "r"});
  EXPECT_EQ(carpeta.read("configloi.cfg"), linea("0200-0300", "1860-4540", " 8", "r")) << "once it reads";
}

}  // namespace
