// A calibration save killed half-way (a child process of this one, killed at
// once) leaves the old file or the new one.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "app/platform/file_attributes.h"
#include "loto/files/configloi.h"
#include "tests/support/temp_folder.h"

// A save killed at any moment: the file read back is the old one or the new
// one, whole, and the next save works.
TEST(GuardadoInterrumpido, LeavesTheOldFileOrTheNewOneWhole) {
  TempFolder carpeta;
  SystemFileAttributes atributos;
  ArchivoConfigLoi archivo(carpeta.path(), atributos);
  CalibracionLoto a{155, 1505, 8, QString(1000, 'a')}, b{200, 4540, 6, QString(1000, 'b')};
  archivo.guardar(false, a);
  const QByteArray viejo = carpeta.read("configloi.cfg");
  archivo.guardar(false, b);
  const QByteArray nuevo = carpeta.read("configloi.cfg");
  for (int vez = 0; vez < 30; ++vez) {
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
      for (int i = 0;; ++i) archivo.guardar(false, i % 2 ? a : b);
    }
    usleep(useconds_t(1000 + 700 * vez));
    kill(hijo, SIGKILL);
    waitpid(hijo, nullptr, 0);
    const QByteArray leido = carpeta.read("configloi.cfg");
    EXPECT_TRUE(leido == viejo || leido == nuevo) << "after " << 1000 + 700 * vez << " us";
  }
  archivo.guardar(false, a);
  EXPECT_EQ(carpeta.read("configloi.cfg"), viejo);
}
