#include "app/platform/delimited.h"

#include <cstring>
#include <utility>

#include "app/platform/ansi.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
  return c == '\r' || c == '\n';
}
bool endsField(char c) {
  return c == ',' || isLineEnd(c);
}

}  // namespace

DelimitedSpan scanDelimitedField(const char* d, qsizetype end, qsizetype p) {
  while (p < end && isBlank(d[p])) ++p;

  qsizetype start = p;
  qsizetype stop = p;
  if (p < end && d[p] == '"') {
    start = p + 1;
    const void* quote = std::memchr(d + start, '"', static_cast<size_t>(end - start));
    stop = quote ? static_cast<const char*>(quote) - d : end;
    p = quote ? stop + 1 : end;
    while (p < end && !endsField(d[p])) ++p;  // anything after the closing quote
  } else {
    while (p < end && !endsField(d[p])) ++p;
    stop = p;
  }

  if (p < end) p += (d[p] == '\r' && p + 1 < end && d[p + 1] == '\n') ? 2 : 1;
  return {start, stop, p};
}

DelimitedReader::DelimitedReader(QByteArray ansiBytes) : data_(std::move(ansiBytes)) {}

bool DelimitedReader::atEnd() const {
  return pos_ >= data_.size();
}

QString DelimitedReader::next() {
  if (atEnd()) throw RuntimeError(ErrorNumber::InputPastEnd);
  const DelimitedSpan field = scanDelimitedField(data_.constData(), data_.size(), pos_);
  pos_ = field.next;
  return decodeAnsi(QByteArray::fromRawData(data_.constData() + field.start, field.stop - field.start));
}

qsizetype DelimitedReader::skip(qsizetype count) {
  const char* d = data_.constData();
  const qsizetype end = data_.size();
  qsizetype p = pos_;
  qsizetype passed = 0;
  for (; passed < count && p < end; ++passed) p = scanDelimitedField(d, end, p).next;
  pos_ = p;
  return passed;
}

void DelimitedWriter::separate() {
  if (lineHasField_) out_ += QLatin1Char(',');
  lineHasField_ = true;
}

DelimitedWriter& DelimitedWriter::text(const QString& value) {
  separate();
  out_ += QLatin1Char('"') + QString(value).replace(QLatin1Char('"'), QLatin1Char('\'')) + QLatin1Char('"');
  return *this;
}

DelimitedWriter& DelimitedWriter::number(double value) {
  separate();
  out_ += plainNumber(value);
  return *this;
}

DelimitedWriter& DelimitedWriter::endLine() {
  out_ += QStringLiteral("\r\n");
  lineHasField_ = false;
  return *this;
}

QByteArray DelimitedWriter::ansiBytes() const {
  return encodeAnsi(out_);
}

QStringList readLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  qsizetype i = 0;
  while (i < text.size()) {
    const QChar c = text[i];
    if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
      ++i;
      continue;
    }
    lines += text.mid(start, i - start);
    i += (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ? 2 : 1;
    start = i;
  }
  if (start < text.size()) lines += text.mid(start);
  return lines;
}
