// The Windows side of the platform layer, run on Windows (or Wine): the
// program folder, the attributes of paths and files, and the spooler's jobs.
#include <gtest/gtest.h>
#include <windows.h>
#include <winspool.h>

#include <QCoreApplication>
#include <QDir>
#include <QPrinterInfo>

#include "app/platform/ansi.h"
#include "app/platform/file_attributes.h"
#include "app/platform/runtime_error.h"
#include "app/printer/qt_printer.h"
#include "app/program_folder.h"
#include "tests/support/temp_folder.h"

namespace {

DWORD attributesOf(const QString& path) {
  return GetFileAttributesW(QDir::toNativeSeparators(path).toStdWString().c_str());
}

// Code page 1252 as Windows itself reads and writes it.
TEST(WindowsAnsi, IsCodePage1252BothWays) {
  for (int b = 0; b < 256; ++b) {
    const char byte = char(b);
    wchar_t unicode = 0;
    ASSERT_EQ(MultiByteToWideChar(1252, 0, &byte, 1, &unicode, 1), 1);
    EXPECT_EQ(decodeAnsi(QByteArray(1, byte)), QString(QChar(char16_t(unicode)))) << b;
    EXPECT_EQ(encodeAnsi(QString(QChar(char16_t(unicode)))), QByteArray(1, byte)) << b;
  }
}

TEST(WindowsProgramFolder, IsTheProgramsFolderUpperCaseWithOneBackslash) {
  const QString folder = runningProgramFolder();
  EXPECT_EQ(folder, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toUpper() + '\\');
  EXPECT_FALSE(folder.endsWith("\\\\"));
  EXPECT_EQ(attributesOf(folder) & FILE_ATTRIBUTE_DIRECTORY, DWORD(FILE_ATTRIBUTE_DIRECTORY));
}

TEST(WindowsFileAttributes, ExistOnDrivesFoldersAndFilesAndAreSetKeepingTheArchiveFlag) {
  const TempFolder folder;
  folder.write("configqp.cfg", "x");
  const QString file = folder.file("configqp.cfg");
  QString drive;  // a letter no drive answers to
  for (char letter = 'Z'; letter >= 'D' && drive.isEmpty(); --letter)
    if (!(GetLogicalDrives() & (1u << (letter - 'A'))))
      drive = QStringLiteral("%1:\\").arg(QLatin1Char(letter));
  ASSERT_FALSE(drive.isEmpty());
  SystemFileAttributes attributes;
  for (const auto& [path, exists] : {std::pair{QStringLiteral("C:\\"), true},
                                     {"c:\\windows", true},
                                     {folder.path(), true},
                                     {folder.file("CONFIGQP.CFG"), true},
                                     {folder.file("no_existe.cfg"), false},
                                     {drive, false},
                                     {drive + "APUESTAS\\AD243", false},
                                     {"\\\\nadie\\nada\\AD243", false},
                                     {"", false}})
    EXPECT_EQ(attributes.exists(path), exists) << path.toStdString();

  constexpr DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
  SetFileAttributesW(QDir::toNativeSeparators(file).toStdWString().c_str(), FILE_ATTRIBUTE_ARCHIVE);
  attributes.set(file, FileAttribute::ReadOnlyHidden);
  EXPECT_EQ(attributesOf(file) & kept, kept);
  attributes.set(file, FileAttribute::Normal);
  EXPECT_EQ(attributesOf(file) & kept, DWORD(FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_THROW(attributes.set(folder.file("no_existe.cfg"), FileAttribute::Normal), RuntimeError);
}

// A document left open in the spooler, as a print that has not finished.
class OpenJob {
 public:
  OpenJob(const QString& printerName, const wchar_t* title) {
    std::wstring name = printerName.toStdWString();
    if (!OpenPrinterW(name.data(), &printer_, nullptr)) return;
    DOC_INFO_1W doc{const_cast<wchar_t*>(title), nullptr, const_cast<wchar_t*>(L"RAW")};
    id_ = StartDocPrinterW(printer_, 1, reinterpret_cast<BYTE*>(&doc));
  }
  ~OpenJob() {
    if (!printer_) return;
    if (id_) SetJobW(printer_, id_, 0, nullptr, JOB_CONTROL_DELETE);
    ClosePrinter(printer_);
  }
  DWORD id() const { return id_; }
  // Whether the spooler still holds the job unfinished.
  bool pending() const {
    BYTE buffer[4096];
    DWORD needed = 0;
    if (!GetJobW(printer_, id_, 1, buffer, sizeof(buffer), &needed)) return false;
    const DWORD status = reinterpret_cast<const JOB_INFO_1W*>(buffer)->Status;
    return !(status & (JOB_STATUS_DELETING | JOB_STATUS_DELETED | JOB_STATUS_PRINTED | JOB_STATUS_COMPLETE));
  }

 private:
  HANDLE printer_ = nullptr;
  DWORD id_ = 0;
};

// Whether the spooler lists any job of the printer.
bool listsJobs(const QString& printerName) {
  std::wstring name = printerName.toStdWString();
  HANDLE printer = nullptr;
  if (!OpenPrinterW(name.data(), &printer, nullptr)) return false;
  DWORD needed = 0, count = 0;
  EnumJobsW(printer, 0, 0xFFFFFFFF, 1, nullptr, 0, &needed, &count);
  ClosePrinter(printer);
  return needed > 0;
}

TEST(WindowsPrintQueue, CancelsOnlyTheProgramsUnfinishedJobsOnTheDefaultPrinter) {
  const QString printer = QPrinterInfo::defaultPrinter().printerName();
  if (printer.isEmpty()) GTEST_SKIP() << "no default printer";
  const OpenJob own(printer, L"Tiqueron"), other(printer, L"Otro programa");
  ASSERT_TRUE(own.id() && other.id()) << "the spooler took no job";
  ASSERT_TRUE(own.pending() && other.pending());
  if (!listsJobs(printer)) GTEST_SKIP() << "this spooler lists no jobs (EnumJobs): Wine's does not";
  EXPECT_EQ(SystemPrinter().cancelPendingJobs(), 1);
  EXPECT_FALSE(own.pending());
  EXPECT_TRUE(other.pending());
}

}  // namespace
