#pragma once
// The delimited text files of the platform: written as texts in double quotes
// and bare numbers separated by commas, lines ended by CR LF; read field by
// field or line by line. Works on the file's ANSI bytes so a caller can keep
// byte positions (an index of a large bet file).
#include <QByteArray>
#include <QString>
#include <QStringList>

// Where the field at byte `p` of `d` (data up to `end`) starts and stops, and
// where the one after it begins; the rules of DelimitedReader::next.
struct DelimitedSpan {
  qsizetype start;
  qsizetype stop;
  qsizetype next;
};
DelimitedSpan scanDelimitedField(const char* d, qsizetype end, qsizetype p);

class DelimitedReader {
 public:
  explicit DelimitedReader(QByteArray ansiBytes);

  // True when no field is left: only the end of the data remains.
  bool atEnd() const;
  // The next field: leading blanks skipped; a field in double quotes is taken
  // without them; otherwise a comma or a line end (CR LF, LF or CR) ends it.
  // An empty line is one empty field. Throws RuntimeError 62 at the end.
  QString next();
  // Passes over up to `count` fields as next() does, without making their
  // text (a count of the fields of a large file); stops at the end. Gives the
  // number of fields passed.
  qsizetype skip(qsizetype count = 1);
  // Byte position of the next unread character, and a jump to one.
  qsizetype position() const { return pos_; }
  void seek(qsizetype position) { pos_ = qBound<qsizetype>(0, position, data_.size()); }

 private:
  QByteArray data_;
  qsizetype pos_ = 0;
};

class DelimitedWriter {
 public:
  // "value"; a double quote inside would end the field early and shift every
  // later field, so it is written as a single quote.
  DelimitedWriter& text(const QString& value);
  DelimitedWriter& number(double value);  // bare, plain decimal
  DelimitedWriter& endLine();             // CR LF
  QString result() const { return out_; }
  QByteArray ansiBytes() const;

 private:
  void separate();
  QString out_;
  bool lineHasField_ = false;
};

// The lines of a text, as line input reads them: CR LF, LF or CR end a line;
// a last line without an end counts, a final line end adds no empty line.
QStringList readLines(const QString& text);
