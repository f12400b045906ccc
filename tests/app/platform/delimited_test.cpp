#include "app/platform/delimited.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

#include "app/platform/ansi.h"

namespace {

TEST(Ansi, MatchesTheSystemConverterAndWritesAQuestionMarkForTheRest) {
  QStringDecoder reference("windows-1252");
  if (!reference.isValid()) GTEST_SKIP() << "this Qt has no converter for windows-1252 (no ICU)";
  for (int b = 0; b < 256; ++b) {
    const QByteArray byte(1, char(b));
    EXPECT_EQ(decodeAnsi(byte), reference.decode(byte)) << b;
    EXPECT_EQ(encodeAnsi(decodeAnsi(byte)), byte) << b;
  }
  // A letter outside the page, one outside 16 bits, a lone surrogate.
  EXPECT_EQ(encodeAnsi(QString::fromUtf8("\xC4\x81\xF0\x9F\x98\x80") + QChar(0xD800)), QByteArray("???"));
}

// As sequential input reads fields and line input reads lines; a double
// quote written inside a text would end the field early and shift the rest.
TEST(Delimited, ReadsFieldsAndLinesAsVisualBasicDoesAndWritesQuotedAnsiTexts) {
  const std::pair<QByteArray, QStringList> fields[] = {
      {"a,b\nc,\r\nd\re", {"a", "b", "c", "", "d", "e"}},
      {"\r\n\r\nx\r\n\n", {"", "", "x", ""}},
      {"  \t x  ,\"a,b\"  junk,\"open,end", {"x  ", "a,b", "open,end"}},
      {"\xF3,\"\xD1\xBA\"\r\n", {QString::fromUtf8("ó"), QString::fromUtf8("Ñº")}}};
  for (const auto& [bytes, expected] : fields) {
    QStringList read;
    for (DelimitedReader reader(bytes); !reader.atEnd();) read += reader.next();
    EXPECT_EQ(read, expected) << bytes.toStdString();
  }
  EXPECT_EQ(readLines("a\rb\r\n\r\nc\n"), (QStringList{"a", "b", "", "c"}));
  EXPECT_EQ(DelimitedWriter().number(-0.25).text(QString::fromUtf8("Año \"º\"")).endLine().ansiBytes(),
            QByteArray("-.25,\"A\xF1o '\xBA'\"\r\n"));
}

}  // namespace
