#include "app/platform/file_attributes.h"

#include <QFileInfo>
#include <exception>

void withNormalAttributes(FileAttributes& attributes, const QString& path,
                          const std::function<void()>& operation) {
  // A folder standing where the file should be is not the program's to change.
  const auto isFile = [&] { return attributes.exists(path) && !QFileInfo(path).isDir(); };
  if (isFile()) attributes.set(path, FileAttribute::Normal);
  std::exception_ptr failure;
  try {
    operation();
  } catch (...) {
    failure = std::current_exception();
  }
  if (isFile()) attributes.set(path, FileAttribute::ReadOnlyHidden);
  if (failure) std::rethrow_exception(failure);
}
