#include "app/platform/ansi.h"

namespace {

// Codes 0x80 to 0x9F of code page 1252; the five codes the page leaves unused
// stand for the control characters of the same value, as Windows reads them.
constexpr char16_t kCodes80To9F[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isTableCode(unsigned code) {
  return code >= 0x80 && code < 0xA0;
}

char ansiByte(char16_t unicode) {
  if (unicode <= 0xFF && !isTableCode(unicode)) return static_cast<char>(unicode);
  for (unsigned i = 0; i < 32; ++i)
    if (kCodes80To9F[i] == unicode) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

// A table of its own rather than a QStringDecoder: it is built once, it is
// fast enough for a bet file decoded field by field, and its '?' for
// unmappable characters does not depend on the conversion library.
QString decodeAnsi(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    *out++ = QChar(isTableCode(code) ? kCodes80To9F[code - 0x80] : char16_t(code));
  }
  return text;
}

QByteArray encodeAnsi(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    // A character outside the 16-bit range is one unmappable character.
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    bytes += ansiByte(c.unicode());
  }
  return bytes;
}
