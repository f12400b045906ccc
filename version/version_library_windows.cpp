#include <windows.h>

#include "version/version_library.h"

namespace {

// The buffer of the full path holds 260 characters, its terminating zero
// included.
constexpr DWORD fullPathBuffer = 260;

// Where VerQueryValueA finds `subBlock`, and how long it says it is; nothing
// when it fails or says 0.
const char* query(const std::vector<std::uint8_t>& record, const std::string& subBlock, UINT& length) {
  void* data = nullptr;
  length = 0;
  if (!VerQueryValueA(record.data(), subBlock.c_str(), &data, &length) || length == 0) return nullptr;
  return static_cast<const char*>(data);
}

}  // namespace

QString versionFullPathName(const QString& name) {
  if (name.isEmpty()) return {};
  const QByteArray ansi = name.toLocal8Bit();
  char buffer[fullPathBuffer];
  const DWORD length = GetFullPathNameA(ansi.constData(), fullPathBuffer, buffer, nullptr);
  // A longer path gives the size it would need, which does not fit.
  if (length == 0 || length >= fullPathBuffer) return {};
  return QString::fromLocal8Bit(buffer, static_cast<qsizetype>(length));
}

std::optional<VersionLibraryRecord> VersionLibraryRecord::read(const QString& fullPath) {
  const QByteArray file = fullPath.toLocal8Bit();
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(file.constData(), &handle);
  if (size == 0) return std::nullopt;
  std::vector<std::uint8_t> bytes(size);
  if (!GetFileVersionInfoA(file.constData(), 0, size, bytes.data())) return std::nullopt;
  return VersionLibraryRecord(std::move(bytes));
}

std::optional<QByteArray> VersionLibraryRecord::value(const std::string& subBlock) const {
  UINT length = 0;
  const char* data = query(bytes_, subBlock, length);
  if (!data) return std::nullopt;
  return QByteArray(data, static_cast<qsizetype>(length));
}

// Texts come in the system's ANSI code page.
std::optional<QString> VersionLibraryRecord::text(const std::string& subBlock) const {
  UINT length = 0;
  const char* data = query(bytes_, subBlock, length);
  if (!data) return std::nullopt;
  return QString::fromLocal8Bit(data, lstrlenA(data));
}
