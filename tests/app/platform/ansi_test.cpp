#include "app/platform/ansi.h"

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

TEST(Ansi, DecodesEveryByteAsTheSystemConverterDoes) {
  QStringDecoder reference("windows-1252");
  ASSERT_TRUE(reference.isValid());
  for (int b = 0; b < 256; ++b) {
    const QByteArray byte(1, char(b));
    EXPECT_EQ(decodeAnsi(byte), reference.decode(byte)) << "byte " << b;
    EXPECT_EQ(encodeAnsi(decodeAnsi(byte)), byte) << "byte " << b;
  }
}

TEST(Ansi, EncodesLikeTheSystemConverterWithAQuestionMarkForTheRest) {
  QStringEncoder reference("windows-1252");
  ASSERT_TRUE(reference.isValid());
  for (char32_t u = 0; u < 0x10000; ++u) {
    if (QChar::isSurrogate(u)) continue;
    const QString text{QChar(char16_t(u))};
    // The converter writes an unmappable character as the byte 0x1A, or
    // drops it when it is one meant to be invisible.
    QByteArray expected = reference.encode(text);
    if (expected.isEmpty() || (expected == "\x1a" && u != 0x1a)) expected = "?";
    ASSERT_EQ(encodeAnsi(text), expected) << "U+" << std::hex << unsigned(u);
  }
}

TEST(Ansi, KeepsTheSpanishLettersAndSignsOfTheFiles) {
  const QByteArray bytes(
      "Jornada n\xBA 7: Espa\xF1"
      "a, A\xD1O, informaci\xF3n, 2 \x80");
  const QString text = QString::fromUtf8("Jornada nº 7: España, AÑO, información, 2 €");
  EXPECT_EQ(decodeAnsi(bytes), text);
  EXPECT_EQ(encodeAnsi(text), bytes);
}

TEST(Ansi, OneQuestionMarkPerUnmappableCharacter) {
  EXPECT_EQ(encodeAnsi(QString::fromUtf8("a\xC4\x81z")), QByteArray("a?z"));          // ā
  EXPECT_EQ(encodeAnsi(QString::fromUtf8("a\xF0\x9F\x98\x80z")), QByteArray("a?z"));  // outside 16 bits
  EXPECT_EQ(encodeAnsi(QString(QChar(0xD800)) + QLatin1Char('z')), QByteArray("?z"));
}

}  // namespace
