#include "app/platform/delimited.h"

#include <gtest/gtest.h>

#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"

namespace {

QStringList readAll(DelimitedReader& reader) {
  QStringList fields;
  while (!reader.atEnd()) fields += reader.next();
  return fields;
}

struct ReadCase {
  const char* name;
  QByteArray bytes;
  QStringList fields;
};

class DelimitedReaderTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DelimitedReaderTest, ReadsTheFieldsAsSequentialInputDoes) {
  DelimitedReader reader(GetParam().bytes);
  EXPECT_EQ(readAll(reader), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DelimitedReaderTest,
    ::testing::Values(
        ReadCase{"CommasAndCrLf", "a,b\r\nc\r\n", {"a", "b", "c"}},
        ReadCase{"LfAndNoFinalEnd", "a,b\nc", {"a", "b", "c"}}, ReadCase{"CrAlone", "a\rb\r", {"a", "b"}},
        ReadCase{"EmptyLinesAreFields", "\r\n\r\nx\r\n\n", {"", "", "x", ""}},
        ReadCase{"CommaBeforeLineEnd", "a,\r\nb", {"a", "", "b"}},
        ReadCase{"CommaBeforeTheEndOfData", "a,", {"a"}}, ReadCase{"OnlyCommas", ",,", {"", ""}},
        ReadCase{"LeadingBlanksSkippedTrailingKept", "  \t x  ,y", {"x  ", "y"}},
        ReadCase{"QuotedWithComma", "\"a,b\"  junk,c", {"a,b", "c"}},
        ReadCase{"QuotedKeepsBlanks", " \" 1290\",\" 8\"\r\n", {" 1290", " 8"}},
        ReadCase{"QuotedOverLineEnd", "\"x\r\ny\",z", {"x\r\ny", "z"}},
        ReadCase{"QuotedThenLineEnd", "\"q\"\r\n\"r\"", {"q", "r"}},
        ReadCase{"UnclosedQuote", "\"open,end", {"open,end"}},
        ReadCase{"QuoteInsideAField", "a\"b\",c", {"a\"b\"", "c"}}, ReadCase{"Nothing", "", {}},
        ReadCase{"Ansi", "\xF3,\"\xD1\xBA\x80\"\r\n", {QString::fromUtf8("ó"), QString::fromUtf8("Ñº€")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DelimitedReader, ReadingPastTheEndIsError62) {
  DelimitedReader reader("x\r\n");
  reader.next();
  ASSERT_TRUE(reader.atEnd());
  try {
    reader.next();
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), ErrorNumber::InputPastEnd);
  }
}

TEST(DelimitedReader, PositionsAreByteOffsetsToComeBackTo) {
  const QByteArray bytes(
      "\"Espa\xD1"
      "a\",2\r\nuno\ndos");
  DelimitedReader reader(bytes);
  QList<qsizetype> positions;
  QStringList fields;
  while (!reader.atEnd()) {
    positions += reader.position();
    fields += reader.next();
  }
  EXPECT_EQ(positions, (QList<qsizetype>{0, 9, 12, 16}));
  EXPECT_EQ(reader.position(), bytes.size());
  DelimitedReader skipping(bytes);
  for (qsizetype i = 1; i < positions.size(); ++i) {
    skipping.skip();
    EXPECT_EQ(skipping.position(), positions[i]);
  }
  for (qsizetype i = fields.size() - 1; i >= 0; --i) {
    reader.seek(positions[i]);
    EXPECT_EQ(reader.next(), fields[i]);
  }
  reader.seek(bytes.size() + 10);
  EXPECT_TRUE(reader.atEnd());
  reader.seek(-3);
  EXPECT_EQ(reader.position(), 0);
  EXPECT_EQ(reader.next(), fields[0]);
}

TEST(DelimitedWriter, WritesQuotedTextsBareNumbersAndCrLf) {
  DelimitedWriter w;
  w.number(980).number(30).text(numberText(1290)).text(QStringLiteral("0480-0155"));
  w.text(QStringLiteral("4840-1505")).text(numberText(8)).text(QStringLiteral("980-30-1065-0-0")).endLine();
  w.number(-30).number(0.5).endLine().endLine().text(QString()).endLine();
  EXPECT_EQ(w.result(),
            QStringLiteral("980,30,\" 1290\",\"0480-0155\",\"4840-1505\",\" 8\",\"980-30-1065-0-0\"\r\n"
                           "-30,.5\r\n\r\n\"\"\r\n"));
}

TEST(DelimitedWriter, EncodesItsTextAsAnsi) {
  DelimitedWriter w;
  w.text(QString::fromUtf8("Año º €")).endLine();
  EXPECT_EQ(w.ansiBytes(), QByteArray("\"A\xF1o \xBA \x80\"\r\n"));
}

TEST(DelimitedWriter, WhatItWritesReadsBackFieldForField) {
  const QStringList texts = {QStringLiteral("-30"),
                             QStringLiteral("True 09"),
                             QStringLiteral(" lead"),
                             QStringLiteral("a,b"),
                             QString(),
                             QString::fromUtf8("ñÓ€"),
                             QStringLiteral("two\r\nlines")};
  DelimitedWriter w;
  for (const QString& t : texts) w.text(t);
  w.endLine().number(3100).endLine().number(-0.25);
  DelimitedReader reader(w.ansiBytes());
  for (const QString& t : texts) EXPECT_EQ(reader.next(), t);
  EXPECT_EQ(textValue(reader.next()), 3100);
  EXPECT_EQ(textValue(reader.next()), -0.25);
  EXPECT_TRUE(reader.atEnd());
}

TEST(DelimitedWriter, AQuoteInsideATextCannotShiftTheFieldsAfterIt) {
  DelimitedWriter w;
  w.text(QStringLiteral("x\",y")).text(QStringLiteral("next")).endLine();
  EXPECT_EQ(w.result(), QStringLiteral("\"x',y\",\"next\"\r\n"));
  DelimitedReader reader(w.ansiBytes());
  EXPECT_EQ(reader.next(), QStringLiteral("x',y"));
  EXPECT_EQ(reader.next(), QStringLiteral("next"));
  EXPECT_TRUE(reader.atEnd());
}

struct LinesCase {
  const char* name;
  QString text;
  QStringList lines;
};

class ReadLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(ReadLinesTest, SplitsAsLineInputDoes) {
  EXPECT_EQ(readLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadLinesTest,
    ::testing::Values(LinesCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                      LinesCase{"LfNoFinalEnd", "a\nb", {"a", "b"}},
                      LinesCase{"MixedWithEmptyLine", "a\rb\r\n\r\nc", {"a", "b", "", "c"}},
                      LinesCase{"Nothing", "", {}}, LinesCase{"OneEmptyLine", "\r\n", {""}},
                      LinesCase{"EmptyLastLine", "a\r\n\r\n", {"a", ""}},
                      LinesCase{"LfThenCr", "\n\r", {"", ""}},
                      LinesCase{"CommasAndQuotesKept", " \"a\", b ", {" \"a\", b "}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
