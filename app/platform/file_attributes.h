#pragma once
// The attributes the calibration files keep between uses.
#include <QString>
#include <functional>

enum class FileAttribute { Normal, ReadOnlyHidden };

class FileAttributes {
 public:
  virtual ~FileAttributes() = default;
  // Throws RuntimeError 53 when the file does not exist.
  virtual void set(const QString& path, FileAttribute attribute) = 0;
  // Whether a file-system entry (file or folder) is there; never throws.
  virtual bool exists(const QString& path) const = 0;
};

// The real attributes. On Windows both flags are set; on other systems
// read-only is the write permission and there is no hidden flag to set (a
// leading dot would rename the file, which the program must not do).
class SystemFileAttributes : public FileAttributes {
 public:
  void set(const QString& path, FileAttribute attribute) override;
  bool exists(const QString& path) const override;
};

// Runs `operation` on the file at `path` with its attributes normal, then
// leaves it read-only and hidden, failed or not (a file the operation creates
// too); a failure of the operation is thrown after that.
void withNormalAttributes(FileAttributes& attributes, const QString& path,
                          const std::function<void()>& operation);
