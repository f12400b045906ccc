// Reading the product version of program files through CFileVersionInfo.
#include "version/file_version_info.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tests/support/temp_folder.h"
#include "tests/version/record_fixtures.h"
#include "version/version_label.h"
#include "version/version_record_file.h"

namespace {

const QByteArray spanishRecord = recordBytes(recordContents(u"1.00.0051"));

QString productVersionOf(const QString& path) {
  CFileVersionInfo info;
  info.FullPathName(path);
  return info.ProductVersion();
}

// A reader that has already read a record, so a failure shows as values kept.
struct UsedReader {
  explicit UsedReader(const TempFolder& folder) {
    folder.write(QStringLiteral("anterior"), elfWithRecord(recordBytes(recordContents(u"9.99.9999"))));
    info.FullPathName(folder.file(QStringLiteral("anterior")));
  }
  void expectKept() const {
    EXPECT_EQ(info.ProductVersion(), QStringLiteral("9.99.9999"));
    EXPECT_EQ(info.FileVersion(), QStringLiteral("2.00.0007"));
    EXPECT_EQ(info.ProductName(), QStringLiteral("Prueba"));
  }
  CFileVersionInfo info;
};

class CurrentFolder {
 public:
  explicit CurrentFolder(const QString& path) : old_(QDir::currentPath()) { QDir::setCurrent(path); }
  ~CurrentFolder() { QDir::setCurrent(old_); }

 private:
  QString old_;
};

TEST(FileVersionInfo, ReadsTheRecordFromEveryKindOfProgramFile) {
  const TempFolder folder;
  const QList<QPair<const char*, QByteArray>> files{
      {"ELF64", elfWithRecord(spanishRecord, ElfKind::Elf64)},
      {"ELF32", elfWithRecord(spanishRecord, ElfKind::Elf32)},
      {"PE32", peFile(spanishRecord, PeKind::Pe32)},
      {"PE32+", peFile(spanishRecord, PeKind::Pe32Plus)},
  };
  for (const auto& [kind, bytes] : files) {
    folder.write(QStringLiteral("programa"), bytes);
    CFileVersionInfo info;
    info.FullPathName(folder.file(QStringLiteral("programa")));
    EXPECT_EQ(info.ProductVersion(), QStringLiteral("1.00.0051")) << kind;
    EXPECT_EQ(info.FileVersion(), QStringLiteral("2.00.0007")) << kind;
    EXPECT_EQ(info.ProductName(), QStringLiteral("Prueba")) << kind;
    EXPECT_EQ(fileVersionInfoSize(folder.file(QStringLiteral("programa"))), spanishRecord.size()) << kind;
  }
}

TEST(FileVersionInfo, RecordsWithoutAnEntryInTheFirstTranslationLeaveTheFieldsAlone) {
  struct Case {
    const char* what;
    VersionRecordContents contents;
  };
  VersionRecordContents otherLanguage = recordContents(u"1.00.0051", 0x04B00C0A, u"040904B0");
  VersionRecordContents secondTranslation = otherLanguage;
  secondTranslation.translations = {0x04B00C0A, 0x04B00409};
  VersionRecordContents noTranslation = recordContents(u"1.00.0051");
  noTranslation.translations.clear();
  VersionRecordContents noStrings = recordContents(u"1.00.0051");
  noStrings.stringTables.clear();
  VersionRecordContents otherCodePage = recordContents(u"1.00.0051", 0x04E40C0A);
  const std::vector<Case> cases{{"string table under another language", otherLanguage},
                                {"string table of the second translation", secondTranslation},
                                {"no translation", noTranslation},
                                {"no string table", noStrings},
                                {"string table under another code page", otherCodePage}};
  const TempFolder folder;
  for (const Case& c : cases) {
    folder.write(QStringLiteral("programa"), elfWithRecord(recordBytes(c.contents)));
    EXPECT_EQ(productVersionOf(folder.file(QStringLiteral("programa"))), QString()) << c.what;
    UsedReader used(folder);
    used.info.FullPathName(folder.file(QStringLiteral("programa")));
    used.expectKept();
  }
}

TEST(FileVersionInfo, TranslationTextFollowsTheRecordsLanguageAndCodePage) {
  const TempFolder folder;
  folder.write(QStringLiteral("programa"),
               peFile(recordBytes(recordContents(u"3.01.0002", 0x04E40409, u"040904E4")), PeKind::Pe32));
  EXPECT_EQ(productVersionOf(folder.file(QStringLiteral("programa"))), QStringLiteral("3.01.0002"));
}

TEST(FileVersionInfo, FilesWithoutARecordLeaveTheFieldsAlone) {
  const TempFolder folder;
  folder.write(QStringLiteral("sin_seccion"), elfFile({{".text", QByteArray(32, '\x90')}}, ElfKind::Elf64));
  folder.write(QStringLiteral("seccion_vacia"), elfWithRecord(QByteArray()));
  folder.write(QStringLiteral("texto.txt"), QByteArray("MZ no es un programa\r\n"));
  folder.write(QStringLiteral("vacio"), QByteArray());
  QDir(folder.path()).mkdir(QStringLiteral("carpeta"));
  const QStringList names{QStringLiteral("sin_seccion"), QStringLiteral("seccion_vacia"),
                          QStringLiteral("texto.txt"),   QStringLiteral("vacio"),
                          QStringLiteral("carpeta"),     QStringLiteral("no_existe.exe")};
  for (const QString& name : names) {
    EXPECT_EQ(fileVersionInfoSize(folder.file(name)), 0u) << qPrintable(name);
    EXPECT_EQ(productVersionOf(folder.file(name)), QString()) << qPrintable(name);
    UsedReader used(folder);
    used.info.FullPathName(folder.file(name));
    used.expectKept();
  }
  // This test program is an ELF file without the version section.
  EXPECT_EQ(productVersionOf(QCoreApplication::applicationFilePath()), QString());
}

TEST(FileVersionInfo, EveryTruncatedRecordLeavesTheFieldsAlone) {
  const TempFolder folder;
  UsedReader used(folder);
  for (qsizetype length = 0; length < spanishRecord.size(); ++length) {
    const QString name =
        QStringLiteral("programa%1").arg(length);  // a new file is quicker than a truncated one
    folder.write(name, elfWithRecord(spanishRecord.left(length)));
    used.info.FullPathName(folder.file(name));
    used.expectKept();
    ASSERT_EQ(productVersionOf(folder.file(name)), QString()) << length;
  }
}

TEST(FileVersionInfo, EveryTruncatedProgramFileLeavesTheFieldsAlone) {
  const QByteArray pe = peFile(spanishRecord, PeKind::Pe32Plus);
  const QByteArray elf = elfWithRecord(spanishRecord);
  // The resource ends the PE file, followed only by padding; the ELF file
  // ends with its section table.
  const QList<QPair<QByteArray, qsizetype>> files{{pe, pe.indexOf(spanishRecord) + spanishRecord.size()},
                                                  {elf, elf.size()}};
  const TempFolder folder;
  UsedReader used(folder);
  for (const auto& [file, firstWhole] : files) {
    for (qsizetype length = 0; length < file.size(); ++length) {
      const QString name = QStringLiteral("%1-%2").arg(file.size()).arg(length);
      folder.write(name, file.left(length));
      if (length < firstWhole) {
        used.info.FullPathName(folder.file(name));
        used.expectKept();
      } else {
        EXPECT_EQ(productVersionOf(folder.file(name)), QStringLiteral("1.00.0051"));
      }
    }
  }
}

TEST(FileVersionInfo, RelativeNamesAreTakenAgainstTheCurrentFolder) {
  const TempFolder folder;
  QDir(folder.path()).mkdir(QStringLiteral("sub"));
  folder.write(QStringLiteral("programa"), elfWithRecord(spanishRecord));
  const CurrentFolder current(folder.path());
  for (const QString& name :
       {QStringLiteral("programa"), QStringLiteral("./programa"), QStringLiteral("sub/../programa")})
    EXPECT_EQ(productVersionOf(name), QStringLiteral("1.00.0051")) << qPrintable(name);
  EXPECT_EQ(productVersionOf(QStringLiteral("sub/programa")), QString());
}

TEST(FileVersionInfo, FullPathsBeyondTwoHundredFiftyNineCharactersChangeNothing) {
  const TempFolder folder;
  const QString base = QDir::cleanPath(folder.path());
  for (const int length : {259, 260, 300}) {
    // base/aaa…/bbb… with the two names sharing what is left of `length`.
    const int rest = length - static_cast<int>(base.size()) - 2;
    const QString dir = base + QLatin1Char('/') + QString(rest / 2, QLatin1Char('a'));
    const QString path = dir + QLatin1Char('/') + QString(rest - rest / 2, QLatin1Char('b'));
    ASSERT_EQ(path.size(), length);
    ASSERT_TRUE(QDir().mkpath(dir));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(elfWithRecord(recordBytes(recordContents(u"4.00.0004"))));
    file.close();

    UsedReader used(folder);
    used.info.FullPathName(path);
    if (length <= 259)
      EXPECT_EQ(used.info.ProductVersion(), QStringLiteral("4.00.0004"));
    else
      used.expectKept();
  }
}

TEST(FileVersionInfo, RefreshReadsTheSameFileAgain) {
  const TempFolder folder;
  folder.write(QStringLiteral("programa"), elfWithRecord(spanishRecord));
  CFileVersionInfo info;
  info.FullPathName(folder.file(QStringLiteral("programa")));
  folder.write(QStringLiteral("programa"), peFile(recordBytes(recordContents(u"1.00.0052")), PeKind::Pe32));
  EXPECT_EQ(info.ProductVersion(), QStringLiteral("1.00.0051"));
  info.Refresh();
  EXPECT_EQ(info.ProductVersion(), QStringLiteral("1.00.0052"));
  info.FullPathName(QString());
  EXPECT_EQ(info.ProductVersion(), QStringLiteral("1.00.0052"));
}

TEST(FileVersionInfo, TheBuiltProgramCarriesTheProjectVersion) {
  const QString expected = QString::fromStdU16String(
      productVersionText(TIQUERON_VERSION_MAJOR, TIQUERON_VERSION_MINOR, TIQUERON_VERSION_PATCH));
  CFileVersionInfo info;
  info.FullPathName(QStringLiteral(TIQUERON_EXE));
  EXPECT_EQ(info.ProductVersion(), expected);
  EXPECT_EQ(info.FileVersion(), expected);
  EXPECT_EQ(info.ProductName(), QStringLiteral("Tiqueron"));
  EXPECT_EQ(versionLabelText(QStringLiteral(TIQUERON_EXE)), QStringLiteral("Ver.: ") + expected);
}

TEST(VersionLabel, ShowsOnlyThePrefixForAProgramWithoutRecord) {
  EXPECT_EQ(versionLabelText(QCoreApplication::applicationFilePath()), QStringLiteral("Ver.: "));
  EXPECT_EQ(versionLabelText(QStringLiteral("/no/existe/Tiqueron")), QStringLiteral("Ver.: "));
}

TEST(VersionLabel, ProgramFileIsTheRunningProgramInItsFolder) {
  const QString folder = QStringLiteral("/carpeta/del/programa/");
  EXPECT_EQ(programFile(folder), folder + QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

}  // namespace
