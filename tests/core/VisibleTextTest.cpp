#include "core/VisibleText.h"

#include "core/CodePoints.h"

#include <gtest/gtest.h>

namespace {

TEST(WithVisibleControlCharacters, EscapesControlCharactersAndKeepsTheRest) {
    const struct {
        const char* Name;
        QString Text;
        QString Shown;
    } cases[] = {
        {"plain", QStringLiteral("Oil flow 12,5"), QStringLiteral("Oil flow 12,5")},
        {"letters beyond ASCII", QStringLiteral("Ölfluss 20 °C ²³"),
         QStringLiteral("Ölfluss 20 °C ²³")},
        {"NUL byte", QStringLiteral("1") + QChar(0) + QStringLiteral("5"),
         QStringLiteral("1\\x005")},
        {"terminal escape", QChar(0x1B) + QStringLiteral("[2J"), QStringLiteral("\\x1b[2J")},
        {"line break and tab", QStringLiteral("a\nb\tc"), QStringLiteral("a\\x0ab\\x09c")},
        {"delete and C1 control", QString(QChar(0x7F)) + QChar(0x85), QStringLiteral("\\x7f\\x85")},
        {"line separator", QString(QChar(0x2028)), QStringLiteral("\\u2028")},
        {"empty", QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithVisibleControlCharacters(c.Text), c.Shown) << c.Name;
}

const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units

TEST(CodePoints, CountAndCutWholeCharacters) {
    const QString emojis = Emoji.repeated(26);
    EXPECT_EQ(emojis.size(), 52);
    EXPECT_EQ(CodePointCount(emojis), 26);
    EXPECT_EQ(CodePointCount(QStringLiteral("Ölfluss")), 7);
    // A lone half of a pair, as a damaged file may hold, counts as one character.
    EXPECT_EQ(CodePointCount(QString(QChar(0xD83D)) + "a"), 2);

    EXPECT_EQ(LeftCodePoints(emojis, 3), Emoji.repeated(3));
    EXPECT_EQ(LeftCodePoints("a" + Emoji + "b", 2), "a" + Emoji);
    EXPECT_EQ(LeftCodePoints("abc", 10), "abc");
    EXPECT_EQ(LeftCodePoints("abc", 0), "");
}

TEST(EchoedValue, QuotesAtMostEightyCharactersEscaped) {
    const struct {
        const char* Name;
        QString Value;
        QString Echoed;
    } cases[] = {
        {"short", "12;5", "12;5"},
        {"exactly eighty", QString(80, 'x'), QString(80, 'x')},
        {"eighty-one", QString(81, 'x'), QString(80, 'x') + "..."},
        {"a cell of a megabyte", QString(1 << 20, 'x'), QString(80, 'x') + "..."},
        {"emoji counted as characters", Emoji.repeated(81), Emoji.repeated(80) + "..."},
        {"cut never splits a character", "x" + Emoji.repeated(80),
         "x" + Emoji.repeated(79) + "..."},
        {"control characters escaped", QString("a\tb"), QString("a\\x09b")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EchoedValue(c.Value), c.Echoed) << c.Name;
}

} // namespace
