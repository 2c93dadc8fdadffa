#include "core/VisibleText.h"

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

} // namespace
