#include "app/platform/delimited.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

#include "app/platform/ansi.h"
#include "app/platform/numbers.h"
#include "tests/support/error_number.h"

namespace {

TEST(Ansi, MatchesTheSystemConverterAndWritesAQuestionMarkForTheRest) {
  QStringDecoder reference("windows-1252");
  // Windows' own table is the reference there (platform_windows tests).
  if (!reference.isValid()) GTEST_SKIP() << "this Qt has no converter for windows-1252 (no ICU)";
  for (int b = 0; b < 256; ++b) {
    const QByteArray byte(1, char(b));
    EXPECT_EQ(decodeAnsi(byte), reference.decode(byte)) << b;
    EXPECT_EQ(encodeAnsi(decodeAnsi(byte)), byte) << b;
  }
  // A letter outside the page, one outside 16 bits, a lone surrogate.
  EXPECT_EQ(encodeAnsi(QString::fromUtf8("\xC4\x81\xF0\x9F\x98\x80") + QChar(0xD800) + QLatin1Char('z')),
            QByteArray("???z"));
}

QStringList fieldsOf(const QByteArray& bytes) {
  QStringList fields;
  for (DelimitedReader reader(bytes); !reader.atEnd();) fields += reader.next();
  return fields;
}

TEST(DelimitedReader, ReadsFieldsAsSequentialInputDoesAndSeeksByByteOffsets) {
  const std::pair<QByteArray, QStringList> cases[] = {
      {"a,b\nc,\r\nd\re", {"a", "b", "c", "", "d", "e"}},
      {"\r\n\r\nx\r\n\n", {"", "", "x", ""}},
      {"a,", {"a"}},
      {"  \t x  ,\"a,b\"  junk,c", {"x  ", "a,b", "c"}},
      {" \" 1290\",\" 8\"\r\n", {" 1290", " 8"}},
      {"\"open,end", {"open,end"}},
      {"\xF3,\"\xD1\xBA\"\r\n", {QString::fromUtf8("ó"), QString::fromUtf8("Ñº")}},
      {"", {}}};
  for (const auto& [bytes, fields] : cases) EXPECT_EQ(fieldsOf(bytes), fields) << bytes.toStdString();
  DelimitedReader reader("\"Espa\321a\",2\r\nuno\ndos");  // \321 is Ñ
  EXPECT_EQ(reader.skip(2), 2);
  EXPECT_EQ(reader.position(), 12);
  EXPECT_EQ(reader.skip(5), 2);
  EXPECT_EQ(errorNumberOf([&] { reader.next(); }), ErrorNumber::InputPastEnd);
  reader.seek(12);
  EXPECT_EQ(reader.next(), QStringLiteral("uno"));
}

TEST(DelimitedWriter, WritesQuotedAnsiTextsBareNumbersAndCrLf) {
  DelimitedWriter w;
  w.number(980).number(-0.25).text(numberText(8)).text(QString::fromUtf8("Año º")).text("a,b").endLine();
  // A double quote inside a text would end the field early and shift the rest.
  w.endLine().text(QString()).text(QStringLiteral("x\",y")).text("two\r\nlines").endLine();
  EXPECT_EQ(w.ansiBytes(),
            QByteArray("980,-.25,\" 8\",\"A\xF1o \xBA\",\"a,b\"\r\n\r\n\"\",\"x',y\",\"two\r\nlines\"\r\n"));
}

TEST(ReadLines, SplitsAsLineInputDoes) {
  const std::pair<QString, QStringList> cases[] = {
      {"a\r\nb\r\n", {"a", "b"}}, {"a\nb", {"a", "b"}},           {"a\rb\r\n\r\nc", {"a", "b", "", "c"}},
      {"a\r\n\r\n", {"a", ""}},   {" \"a\", b ", {" \"a\", b "}}, {"", {}}};
  for (const auto& [text, lines] : cases) EXPECT_EQ(readLines(text), lines) << text.toStdString();
}

}  // namespace
