#pragma once
// Reads a file's version record and offers the texts of its string table in
// the record's first language. One reader per file: a field the new file
// does not provide would keep the old file's value.
#include <QString>

class CFileVersionInfo {
 public:
  // Takes `name` as a full path, a relative name against the current folder,
  // and reads that file's record. A name that gives no full path of at most
  // 259 characters changes nothing.
  void FullPathName(const QString& name);

  QString FileVersion() const { return fileVersion_; }
  QString ProductName() const { return productName_; }
  QString ProductVersion() const { return productVersion_; }

  // Reads the record of the stored file again. Nothing is ever shown or
  // thrown: a missing file, a missing or damaged record, a record without
  // translation or without the entry leave each field as it was.
  void Refresh();

 private:
  QString fullPath_;
  QString productVersion_;
  QString fileVersion_;
  QString productName_;
};
