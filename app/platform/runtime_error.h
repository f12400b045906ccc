#pragma once
// A run-time error as the program reports it to the user: a number and the
// Spanish description that goes with it.
#include <QString>
#include <exception>
#include <string>

namespace ErrorNumber {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int InternalError = 51;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceIo = 57;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int PrinterError = 482;
}  // namespace ErrorNumber

// The Spanish description of an error number ("No se ha encontrado el archivo"
// for 53); an unknown number gets "Error definido por la aplicación o el objeto".
QString errorDescription(int number);

class RuntimeError : public std::exception {
 public:
  explicit RuntimeError(int number);
  RuntimeError(int number, const QString& description);

  int number() const { return number_; }
  QString description() const { return description_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  int number_;
  QString description_;
  std::string what_;
};
