#include "app/platform/files.h"

#include <gtest/gtest.h>

#include <QDir>

#include "app/platform/file_attributes.h"
#include "tests/support/error_number.h"
#include "tests/support/temp_folder.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>

#include <csignal>
#endif

namespace {

QStringList namesIn(const TempFolder& folder) {
  return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TEST(Files, ReadWholeOrInPartAndEachKindOfMissingPathHasItsNumberAndSpanishText) {
  TempFolder folder;
  folder.write("d.bin", "0123456789");
  const QString path = folder.file("d.bin");
  EXPECT_EQ(readFileBytes(path), QByteArray("0123456789"));
  EXPECT_EQ(fileLength(path), 10);
  EXPECT_EQ(readFileBytes(path, 2, 3) + "|" + readFileBytes(path, 6, 10) + "|" + readFileBytes(path, 10, 5),
            QByteArray("234|6789|"));
  EXPECT_EQ(errorNumberOf([&] { readFileBytes(path, -1, 4); }), ErrorNumber::InvalidCall);
  EXPECT_EQ(RuntimeError(53).description(), QStringLiteral("No se ha encontrado el archivo"));
  EXPECT_STREQ(RuntimeError(62).what(), "La entrada pasó del final del archivo");
  QDir(folder.path()).mkdir(QStringLiteral("sub"));
  const std::tuple<const char*, std::function<void(const QString&)>, int> operations[] = {
      {"read", [](const QString& p) { readFileBytes(p); }, ErrorNumber::FileNotFound},
      {"delete", [](const QString& p) { deleteFile(p); }, ErrorNumber::FileNotFound},
      {"write", [](const QString& p) { writeFileAtomically(p, "x"); }, 0}};
  for (const auto& [name, run, missingFile] : operations) {
    EXPECT_EQ(errorNumberOf([&] { run(folder.file("nada.cfg")); }), missingFile) << name;
    EXPECT_EQ(errorNumberOf([&] { run(folder.file("no/nada.cfg")); }), ErrorNumber::PathNotFound) << name;
    EXPECT_EQ(errorNumberOf([&] { run(folder.file("sub")); }), ErrorNumber::PathFileAccess) << name;
  }
  EXPECT_EQ(namesIn(folder), (QStringList{"d.bin", "nada.cfg", "sub"}));
}

TEST(WriteFileAtomically, ReplacesTheWholeFileOrKeepsTheOldOneWhenReadOnlyOrFailing) {
  TempFolder folder;
  const QString path = folder.file(QStringLiteral("configqp.cfg"));
  writeFileAtomically(path, "first, longer content\r\n");
  writeFileAtomically(path, "old\r\n");
  SystemFileAttributes attributes;
  attributes.set(path, FileAttribute::ReadOnlyHidden);
  // Kept read-only even where the system would let the owner write.
  EXPECT_EQ(errorNumberOf([&] { writeFileAtomically(path, "new\r\n"); }), ErrorNumber::PermissionDenied);
  EXPECT_EQ(errorNumberOf([&] { deleteFile(path); }), ErrorNumber::PermissionDenied);
  attributes.set(path, FileAttribute::Normal);
#ifdef Q_OS_LINUX
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small{1000, old.rlim_max};  // a longer file cannot be written
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const int number = errorNumberOf([&] { writeFileAtomically(path, QByteArray(100000, 'x')); });
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(number, ErrorNumber::DeviceIo);
#endif
  EXPECT_EQ(folder.read(QStringLiteral("configqp.cfg")), QByteArray("old\r\n"));
  EXPECT_EQ(namesIn(folder), QStringList{QStringLiteral("configqp.cfg")});
  deleteFile(path);
  EXPECT_TRUE(namesIn(folder).isEmpty());
  EXPECT_EQ(errorNumberOf([&] { attributes.set(path, FileAttribute::Normal); }), ErrorNumber::FileNotFound);
}

}  // namespace
