// Every seed and every input fuzzing once found wrong, fed to its fuzz
// target in the ordinary build, so that the tests (and their sanitizer run)
// keep them fixed.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <cstdint>
#include <cstdio>

// clang-format off
#define FUZZ_TARGETS(X) \
  X(ad243) X(texto_quiniela) X(archivo_campos) X(loto_txt) X(loto_lot) X(configqp) X(configloi) \
  X(ayuda) X(pe) X(elf) X(version_record) X(delimited) X(numbers)
// clang-format on

#define DECLARE(name) extern "C" int fuzz_##name(const uint8_t*, size_t);
FUZZ_TARGETS(DECLARE)

namespace {

#define ENTRY(name) std::pair{#name, fuzz_##name},
const std::pair<const char*, int (*)(const uint8_t*, size_t)> kTargets[] = {FUZZ_TARGETS(ENTRY)};

TEST(FuzzInputs, RunCleanly) {
  for (const auto& [name, entry] : kTargets) {
    int seeds = 0;
    for (const char* folder : {"corpus/", "regressions/"})
      for (QDirIterator it(TIQUERON_FUZZ_DIR + QString(folder) + name, QDir::Files | QDir::Hidden);
           it.hasNext();) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
        const QByteArray bytes = file.readAll();
        // Named before it runs: a failed check or a sanitizer ends the program.
        std::printf("%s\n", qPrintable(file.fileName()));
        std::fflush(stdout);
        entry(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
        seeds += folder[0] == 'c';
      }
    EXPECT_GT(seeds, 0) << "no seeds in corpus/" << name;
  }
}

}  // namespace
