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

TEST(Files, EachKindOfMissingPathHasItsNumberAndSpanishText) {
  TempFolder folder;
  EXPECT_EQ(RuntimeError(53).description() + RuntimeError(62).what(),
            QStringLiteral("No se ha encontrado el archivoLa entrada pasó del final del archivo"));
  QDir(folder.path()).mkdir(QStringLiteral("sub"));
  for (const auto& [path, number] : {std::pair{"nada.cfg", 53}, {"no/nada.cfg", 76}, {"sub", 75}})
    EXPECT_EQ(errorNumberOf([&] { readFileBytes(folder.file(path)); }), number) << path;
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
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"configqp.cfg"});
  EXPECT_EQ(folder.read(QStringLiteral("configqp.cfg")), QByteArray("old\r\n"));
}

}  // namespace
