#include "app/platform/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "app/platform/runtime_error.h"
#include "tests/support/temp_folder.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#endif

namespace {

int errorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

QStringList namesIn(const TempFolder& folder) {
  return QDir(folder.path())
      .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot);
}

TEST(ReadFileBytes, ReadsTheWholeFileOrAPieceOfIt) {
  TempFolder folder;
  folder.write(QStringLiteral("d.bin"), "0123456789");
  const QString path = folder.file(QStringLiteral("d.bin"));
  EXPECT_EQ(readFileBytes(path), QByteArray("0123456789"));
  EXPECT_EQ(fileLength(path), 10);
  const struct {
    qint64 offset, length;
    const char* bytes;
  } pieces[] = {{0, 4, "0123"}, {6, 10, "6789"}, {9, 1, "9"}, {10, 5, ""}, {20, 1, ""}, {3, 0, ""}};
  for (const auto& p : pieces)
    EXPECT_EQ(readFileBytes(path, p.offset, p.length), QByteArray(p.bytes)) << p.offset << "+" << p.length;
  EXPECT_EQ(errorNumberOf([&] { readFileBytes(path, -1, 4); }), ErrorNumber::InvalidCall);
  EXPECT_EQ(errorNumberOf([&] { readFileBytes(path, 0, -4); }), ErrorNumber::InvalidCall);
}

TEST(ReadFileBytes, AnEmptyFileIsNoBytes) {
  TempFolder folder;
  folder.write(QStringLiteral("e.txt"), QByteArray());
  EXPECT_EQ(readFileBytes(folder.file(QStringLiteral("e.txt"))), QByteArray());
  EXPECT_EQ(fileLength(folder.file(QStringLiteral("e.txt"))), 0);
}

struct Operation {
  const char* name;
  std::function<void(const QString&)> run;
};

const Operation kOperations[] = {
    {"readFileBytes", [](const QString& p) { readFileBytes(p); }},
    {"readFileBytes at offset", [](const QString& p) { readFileBytes(p, 0, 1); }},
    {"fileLength", [](const QString& p) { fileLength(p); }},
    {"deleteFile", [](const QString& p) { deleteFile(p); }},
};

TEST(FileErrors, MissingFileFolderOrAFolderInItsPlaceHaveTheirNumbers) {
  TempFolder folder;
  QDir(folder.path()).mkdir(QStringLiteral("sub"));
  const QString missingFile = folder.file(QStringLiteral("nada.cfg"));
  const QString missingFolder = folder.file(QStringLiteral("no/nada.cfg"));
  const QString aFolder = folder.file(QStringLiteral("sub"));
  for (const Operation& op : kOperations) {
    EXPECT_EQ(errorNumberOf([&] { op.run(missingFile); }), ErrorNumber::FileNotFound) << op.name;
    EXPECT_EQ(errorNumberOf([&] { op.run(missingFolder); }), ErrorNumber::PathNotFound) << op.name;
    EXPECT_EQ(errorNumberOf([&] { op.run(aFolder); }), ErrorNumber::PathFileAccess) << op.name;
  }
  EXPECT_EQ(errorNumberOf([&] { writeFileAtomically(missingFolder, "x"); }), ErrorNumber::PathNotFound);
  EXPECT_EQ(errorNumberOf([&] { writeFileAtomically(aFolder, "x"); }), ErrorNumber::PathFileAccess);
  EXPECT_EQ(namesIn(folder), QStringList{QStringLiteral("sub")});
}

TEST(FileErrors, AnUnreadableFileIsPermissionDenied) {
#ifdef Q_OS_UNIX
  if (geteuid() == 0) GTEST_SKIP() << "the superuser reads any file";
#endif
  TempFolder folder;
  folder.write(QStringLiteral("secreto.txt"), "x");
  const QString path = folder.file(QStringLiteral("secreto.txt"));
  QFile::setPermissions(path, QFile::WriteOwner);
  EXPECT_EQ(errorNumberOf([&] { readFileBytes(path); }), ErrorNumber::PermissionDenied);
}

TEST(WriteFileAtomically, CreatesOrReplacesTheWholeFileAndLeavesNothingElse) {
  TempFolder folder;
  const QString path = folder.file(QStringLiteral("configqp.cfg"));
  writeFileAtomically(path, "first, longer content\r\n");
  EXPECT_EQ(folder.read(QStringLiteral("configqp.cfg")), QByteArray("first, longer content\r\n"));
  writeFileAtomically(path, "second\r\n");
  EXPECT_EQ(folder.read(QStringLiteral("configqp.cfg")), QByteArray("second\r\n"));
  writeFileAtomically(path, QByteArray());
  EXPECT_EQ(fileLength(path), 0);
  EXPECT_EQ(namesIn(folder), QStringList{QStringLiteral("configqp.cfg")});
}

TEST(WriteFileAtomically, KeepsAReadOnlyFileAsItWas) {
  TempFolder folder;
  folder.write(QStringLiteral("configloi.cfg"), "old\r\n");
  const QString path = folder.file(QStringLiteral("configloi.cfg"));
  QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
  EXPECT_EQ(errorNumberOf([&] { writeFileAtomically(path, "new\r\n"); }), ErrorNumber::PermissionDenied);
  EXPECT_EQ(folder.read(QStringLiteral("configloi.cfg")), QByteArray("old\r\n"));
  EXPECT_EQ(namesIn(folder), QStringList{QStringLiteral("configloi.cfg")});
}

#ifdef Q_OS_LINUX
TEST(WriteFileAtomically, AFailedTemporaryFileLeavesTheFolderAsItWas) {
  TempFolder folder;
  // A link to a file in a missing folder: the temporary file beside the
  // link's target cannot be made.
  const QString link = folder.file(QStringLiteral("enlace.cfg"));
  ASSERT_TRUE(QFile::link(folder.file(QStringLiteral("no/real.cfg")), link));
  EXPECT_EQ(errorNumberOf([&] { writeFileAtomically(link, "x"); }), ErrorNumber::PathFileAccess);
  EXPECT_EQ(namesIn(folder), QStringList{QStringLiteral("enlace.cfg")});
}

// Makes writing a file longer than `bytes` fail, for as long as it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST(WriteFileAtomically, AFailedWriteKeepsTheOldContentAndNoTemporaryFile) {
  TempFolder folder;
  folder.write(QStringLiteral("configqp.cfg"), "old\r\n");
  const QString path = folder.file(QStringLiteral("configqp.cfg"));
  int number = 0;
  {
    const FileSizeLimit limit(1000);
    number = errorNumberOf([&] { writeFileAtomically(path, QByteArray(100000, 'x')); });
  }
  EXPECT_EQ(number, ErrorNumber::DeviceIo);
  EXPECT_EQ(folder.read(QStringLiteral("configqp.cfg")), QByteArray("old\r\n"));
  EXPECT_EQ(namesIn(folder), QStringList{QStringLiteral("configqp.cfg")});
}
#endif

TEST(DeleteFile, RemovesTheFileButNotAReadOnlyOne) {
  TempFolder folder;
  folder.write(QStringLiteral("a.txt"), "a");
  folder.write(QStringLiteral("b.txt"), "b");
  deleteFile(folder.file(QStringLiteral("a.txt")));
  QFile::setPermissions(folder.file(QStringLiteral("b.txt")), QFile::ReadOwner);
  EXPECT_EQ(errorNumberOf([&] { deleteFile(folder.file(QStringLiteral("b.txt"))); }),
            ErrorNumber::PermissionDenied);
  EXPECT_EQ(namesIn(folder), QStringList{QStringLiteral("b.txt")});
}

}  // namespace
