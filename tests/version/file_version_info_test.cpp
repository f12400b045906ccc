// Reading the product version of program files through CFileVersionInfo.
#include "version/file_version_info.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "app/platform/files.h"
#include "tests/support/temp_folder.h"
#include "version/version_label.h"
#include "version/version_record_builder.h"

namespace {

// A record of one string table (none when `table` is empty).
QByteArray record(std::u16string productVersion, std::vector<std::uint32_t> translations = {0x04B00C0A},
                  std::u16string table = u"0C0A04B0", std::u16string fileVersion = u"2.00.0007",
                  std::u16string productName = u"Prueba") {
  VersionRecordContents c;
  if (!table.empty())
    c.stringTables = {{std::move(table),
                       {{u"FileVersion", std::move(fileVersion)},
                        {u"ProductName", std::move(productName)},
                        {u"ProductVersion", std::move(productVersion)}}}};
  c.translations = std::move(translations);
  const std::vector<std::uint8_t> r = buildVersionRecord(c);
  return QByteArray(reinterpret_cast<const char*>(r.data()), static_cast<qsizetype>(r.size()));
}

void put(QByteArray& data, qsizetype at, quint32 value, int size = 4) {
  for (int i = 0; i < size; ++i) data[at + i] = static_cast<char>(value >> (8 * i));
}

// A minimal Windows program: DOS header, PE headers and one ".rsrc" section
// whose resource tree (type 16, name 1, language 0x0C0A) holds `record`.
QByteArray peFile(const QByteArray& record, bool pe32Plus = false) {
  constexpr quint32 pe = 0x40, optional = pe + 24, rawStart = 0x200, rva = 0x1000;
  const quint32 directories = optional + (pe32Plus ? 112 : 96), section = optional + (pe32Plus ? 240 : 224);
  QByteArray tree(0x58, '\0');
  const quint32 levels[][3] = {{0x00, 16, 0x80000018}, {0x18, 1, 0x80000030}, {0x30, 0x0C0A, 0x48}};
  for (const auto& [at, id, target] : levels) {
    put(tree, at + 14, 1, 2);  // one entry, with a numeric id
    put(tree, at + 16, id);
    put(tree, at + 20, target);
  }
  put(tree, 0x48, rva + 0x58);
  put(tree, 0x4C, static_cast<quint32>(record.size()));
  tree += record + QByteArray((4 - record.size() % 4) % 4, '\0');
  const auto treeBytes = static_cast<quint32>(tree.size());

  QByteArray file(rawStart, '\0');
  file.replace(0, 2, "MZ");
  put(file, 0x3C, pe);
  put(file, pe, 0x00004550);
  put(file, pe + 4, pe32Plus ? 0x8664 : 0x14C, 2);
  put(file, pe + 6, 1, 2);  // sections
  put(file, pe + 20, section - optional, 2);
  put(file, optional, pe32Plus ? 0x20B : 0x10B, 2);
  put(file, directories - 4, 16);  // data directories, the third the resources'
  put(file, directories + 16, rva);
  put(file, directories + 20, treeBytes);
  file.replace(section, 5, ".rsrc");
  for (const auto& [at, value] : {std::pair{8u, treeBytes}, {12u, rva}, {16u, treeBytes}, {20u, rawStart}})
    put(file, section + at, value);
  return file + tree;
}

const QByteArray kSpanish = record(u"1.00.0051");
const QString kProjectVersion = QString::fromStdU16String(
    productVersionText(TIQUERON_VERSION_MAJOR, TIQUERON_VERSION_MINOR, TIQUERON_VERSION_PATCH));

QStringList fields(const CFileVersionInfo& info) {
  return {info.ProductVersion(), info.FileVersion(), info.ProductName()};
}

QString productVersionOf(const QString& path) {
  return versionLabelText(path).mid(6);
}

TEST(FileVersionInfo, ReadsTheProductVersionOfTheFirstTranslationAndTheBuiltProgramsOwn) {
  const TempFolder folder;
  // The name holds before the file is there; Refresh reads the file again.
  CFileVersionInfo info;
  info.FullPathName(folder.file("programa"));
  for (const auto& [file, version] :
       {std::pair{peFile(kSpanish), "1.00.0051"},
        {peFile(kSpanish, true), "1.00.0051"},
        {peFile(record(u"3.01.0002", {0x04E40409}, u"040904E4")), "3.01.0002"},
        {peFile(record(u"1.00.0052", {0x04B00C0A}, u"0c0a04b0")), "1.00.0052"}}) {  // keys without case
    folder.write("programa", file);
    info.Refresh();
    EXPECT_EQ(fields(info), (QStringList{version, "2.00.0007", "Prueba"}));
  }
  info.FullPathName(QStringLiteral(TIQUERON_EXE));
  EXPECT_EQ(fields(info), (QStringList{kProjectVersion, kProjectVersion, "Tiqueron"}));
  EXPECT_EQ(versionLabelText(QStringLiteral(TIQUERON_EXE)), "Ver.: " + kProjectVersion);
  EXPECT_EQ(versionLabelText(QCoreApplication::applicationFilePath()), "Ver.: ");  // no version section
}

// Whatever a file does not give keeps the old value; a new reader gets nothing.
TEST(FileVersionInfo, FilesWithoutAUsableRecordLeaveTheFieldsAlone) {
  // One 16-bit field of the block keyed `key` changed.
  const auto damaged = [](const std::u16string& key, int field, quint16 value) {
    QByteArray r = kSpanish;
    put(r, r.indexOf(QByteArray(reinterpret_cast<const char*>(key.c_str()), 2 * key.size() + 2)) - 6 + field,
        value, 2);
    return peFile(r);
  };
  QList<QPair<QString, QByteArray>> files{
      {"otra_lengua", peFile(record(u"1.00.0051", {0x04B00C0A}, u"040904B0"))},
      {"sin_traduccion", peFile(record(u"1.00.0051", {}))},
      {"sin_textos", peFile(record(u"1.00.0051", {0x04B00C0A}, u""))},
      {"entrada_larga", damaged(u"ProductVersion", 0, 0x4000)},
      {"clave_cortada", damaged(u"ProductVersion", 0, 20)},
      {"tabla_larga", damaged(u"0C0A04B0", 0, 0xFFF0)},
      {"valor_vacio", damaged(u"ProductVersion", 2, 0)},
      {"carpeta", {}},  // null contents: nothing written
      {"no_existe", {}}};
  const QByteArray pe = peFile(kSpanish, true);
  for (qsizetype length = 0; length < pe.indexOf(kSpanish) + kSpanish.size(); ++length)
    files.append({QStringLiteral("pe%1").arg(length), pe.left(length)});
  const QByteArray elf = readFileBytes(QStringLiteral(TIQUERON_EXE));
  for (const qsizetype length : {qsizetype(16), qsizetype(63), elf.size() / 2})
    files.append({QStringLiteral("elf%1").arg(length), elf.left(length)});

  // Damage to the ProductVersion entry alone leaves the entries before it readable.
  const QStringList productVersionDamaged{"entrada_larga", "clave_cortada", "valor_vacio"};
  // How Windows' own library takes a length that overruns its block is the
  // system's rule, not the program's: Wine's reads on.
  const QStringList lengthDamaged{"entrada_larga", "clave_cortada", "tabla_larga"};
  if (TIQUERON_VERSIONES_DEL_SISTEMA)
    files.removeIf([&lengthDamaged](const auto& file) { return lengthDamaged.contains(file.first); });

  const TempFolder folder;
  folder.write("anterior",
               peFile(record(u"9.99.9999", {0x04B00C0A}, u"0C0A04B0", u"9.00.0009", u"Anterior")));
  QDir(folder.path()).mkdir("carpeta");
  for (const auto& [name, content] : files) {
    if (!content.isNull()) folder.write(name, content);
    CFileVersionInfo info;
    info.FullPathName(folder.file("anterior"));
    info.FullPathName(folder.file(name));
    const std::string expected =
        productVersionDamaged.contains(name) ? "9.99.9999|2.00.0007|Prueba" : "9.99.9999|9.00.0009|Anterior";
    ASSERT_EQ(fields(info).join(u'|').toStdString(), expected) << qPrintable(name);
    ASSERT_EQ(productVersionOf(folder.file(name)), QString()) << qPrintable(name);
  }
}

// As on Windows, a path of 260 characters or more names no file.
TEST(FileVersionInfo, NamesAreLimitedInLength) {
  const TempFolder folder;
  const QString base = QDir::cleanPath(folder.path());
  for (const int length : {259, 260}) {
    // base/aaa…/bbb…, the two names sharing what is left of `length`.
    const int rest = length - static_cast<int>(base.size()) - 2;
    const QString dir = base + '/' + QString(rest / 2, 'a'), path = dir + '/' + QString(rest - rest / 2, 'b');
    ASSERT_TRUE(QDir().mkpath(dir));
    folder.write(path.mid(base.size() + 1), peFile(kSpanish));
    EXPECT_EQ(productVersionOf(path), length == 259 ? "1.00.0051" : "") << length;
  }
}

}  // namespace
