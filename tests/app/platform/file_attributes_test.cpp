#include "app/platform/file_attributes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/platform/files.h"
#include "app/platform/runtime_error.h"
#include "tests/support/recording_attributes.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr QFile::Permissions kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

int setErrorNumber(FileAttributes& attributes, const QString& path) {
  try {
    attributes.set(path, FileAttribute::Normal);
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

TEST(SystemFileAttributes, ReadOnlyTakesEveryWritePermissionAndNormalGivesTheOwnersBack) {
  TempFolder folder;
  folder.write(QStringLiteral("configqp.cfg"), "\"-30\"\r\n");
  const QString path = folder.file(QStringLiteral("configqp.cfg"));
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                                  QFile::ReadOther | QFile::WriteOther);
  SystemFileAttributes attributes;

  attributes.set(path, FileAttribute::ReadOnlyHidden);
  EXPECT_EQ(QFile::permissions(path) & (kAnyWrite | QFile::ReadOwner), QFile::ReadOwner);
  EXPECT_TRUE(QFile::exists(path)) << "the file keeps its name";
  EXPECT_THROW(writeFileAtomically(path, "x"), RuntimeError);

  attributes.set(path, FileAttribute::Normal);
  EXPECT_EQ(QFile::permissions(path) & (kAnyWrite | QFile::ReadOwner), QFile::ReadOwner | QFile::WriteOwner);
  writeFileAtomically(path, "\"15\"\r\n");
  EXPECT_EQ(folder.read(QStringLiteral("configqp.cfg")), QByteArray("\"15\"\r\n"));
}

TEST(SystemFileAttributes, AMissingFileIsError53AndExistsNeverThrows) {
  TempFolder folder;
  folder.write(QStringLiteral("a.cfg"), "x");
  SystemFileAttributes attributes;
  EXPECT_EQ(setErrorNumber(attributes, folder.file(QStringLiteral("nada.cfg"))), ErrorNumber::FileNotFound);
  EXPECT_EQ(setErrorNumber(attributes, folder.file(QStringLiteral("no/nada.cfg"))),
            ErrorNumber::FileNotFound);
  EXPECT_EQ(setErrorNumber(attributes, QString()), ErrorNumber::FileNotFound);
  EXPECT_TRUE(attributes.exists(folder.file(QStringLiteral("a.cfg"))));
  EXPECT_TRUE(attributes.exists(folder.path()));
  EXPECT_FALSE(attributes.exists(folder.file(QStringLiteral("nada.cfg"))));
  EXPECT_FALSE(attributes.exists(QString()));
}

TEST(RecordingAttributes, RecordsChangesToExistingFilesOnlyAndTouchesNothing) {
  TempFolder folder;
  folder.write(QStringLiteral("a.cfg"), "x");
  const QString path = folder.file(QStringLiteral("a.cfg"));
  const QFile::Permissions before = QFile::permissions(path);
  RecordingAttributes attributes;

  attributes.set(path, FileAttribute::Normal);
  attributes.set(path, FileAttribute::ReadOnlyHidden);
  EXPECT_EQ(setErrorNumber(attributes, folder.file(QStringLiteral("nada.cfg"))), ErrorNumber::FileNotFound);

  const QVector<AttributeChange> expected = {{path, FileAttribute::Normal},
                                             {path, FileAttribute::ReadOnlyHidden}};
  EXPECT_EQ(attributes.changes(), expected);
  EXPECT_EQ(attributes.current(path), FileAttribute::ReadOnlyHidden);
  EXPECT_EQ(attributes.current(folder.file(QStringLiteral("nada.cfg"))), std::nullopt);
  EXPECT_EQ(QFile::permissions(path), before);
  EXPECT_FALSE(attributes.exists(QString()));
  attributes.forget();
  EXPECT_TRUE(attributes.changes().isEmpty());
}

}  // namespace
