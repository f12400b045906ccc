#include <QDir>

#include "version/version_library.h"
#include "version/version_record.h"
#include "version/version_record_file.h"

namespace {

// The full path is made in a buffer of 260 characters, its terminating zero
// included.
constexpr qsizetype fullPathBuffer = 260;

std::optional<VersionValue> query(const VersionRecord& record, const std::string& subBlock) {
  std::optional<VersionValue> value = queryVersionValue(record, subBlock);
  if (value && value->length() == 0) return std::nullopt;
  return value;
}

}  // namespace

QString versionFullPathName(const QString& name) {
  if (name.isEmpty()) return {};
  const QString full = QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(name)));
  return full.size() < fullPathBuffer ? full : QString();
}

std::optional<VersionLibraryRecord> VersionLibraryRecord::read(const QString& fullPath) {
  const quint32 size = fileVersionInfoSize(fullPath);
  if (size == 0) return std::nullopt;
  std::optional<VersionRecord> record = fileVersionInfo(fullPath, size);
  if (!record) return std::nullopt;
  return VersionLibraryRecord(std::move(*record));
}

std::optional<QByteArray> VersionLibraryRecord::value(const std::string& subBlock) const {
  const std::optional<VersionValue> v = query(bytes_, subBlock);
  if (!v) return std::nullopt;
  return QByteArray(reinterpret_cast<const char*>(v->data), static_cast<qsizetype>(v->bytes));
}

std::optional<QString> VersionLibraryRecord::text(const std::string& subBlock) const {
  const std::optional<VersionValue> v = query(bytes_, subBlock);
  if (!v) return std::nullopt;
  return QString::fromStdU16String(versionText(*v));
}
