// Every seed and every input fuzzing once found wrong, fed to its fuzz
// target in the ordinary build, so that the tests (and their sanitizer run)
// keep them fixed.
#include <gtest/gtest.h>

#include <QDir>
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

struct Target {
  const char* name;
  int (*entry)(const uint8_t*, size_t);
};

#define ENTRY(name) Target{#name, fuzz_##name},
const Target kTargets[] = {FUZZ_TARGETS(ENTRY)};

QStringList inputsOf(const QString& folder) {
  QStringList files;
  for (QDirIterator it(folder, QDir::Files | QDir::Hidden); it.hasNext();) files << it.next();
  files.sort();
  return files;
}

class FuzzInputs : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzInputs, RunCleanly) {
  const QString name = QString::fromLatin1(GetParam().name);
  const QStringList seeds = inputsOf(TIQUERON_FUZZ_DIR "corpus/" + name);
  EXPECT_FALSE(seeds.isEmpty()) << "no seeds in corpus/" << GetParam().name;
  for (const QString& path : seeds + inputsOf(TIQUERON_FUZZ_DIR "regressions/" + name)) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    const QByteArray bytes = file.readAll();
    // Named before it runs: a failed check or a sanitizer ends the program.
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    EXPECT_EQ(GetParam().entry(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzInputs, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

// A target without its list entry would never be run here.
TEST(FuzzTargets, EveryCorpusFolderHasItsTarget) {
  QStringList names;
  for (const Target& t : kTargets) names << QString::fromLatin1(t.name);
  const QStringList folders = QDir(TIQUERON_FUZZ_DIR "corpus").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString& folder : folders) EXPECT_TRUE(names.contains(folder)) << qPrintable(folder);
  EXPECT_EQ(folders.size(), names.size());
}

}  // namespace
