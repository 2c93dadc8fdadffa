#include "settings/SettingsTree.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsTreeParse, AcceptsTheFormsAHandWrittenInstallationFileUses) {
    const QByteArray text = "\xEF\xBB\xBF; installation defaults\r\n"
                            "\r\n"
                            "[Software\\Kylvane\\Page2]\r\n"
                            "# another comment\r\n"
                            "  \"DensityCombo\" = dword:0000000A  \r\n"
                            "\"DensityData\"=\"0,89\"\r\n"
                            "\"OilVolumeCombo\"=DWORD:fffffffd\r\n"
                            "[Software\\Kylvane\\Page5]\r\n";
    const std::optional<TSettingsTree> tree = TSettingsTree::Parse(text);
    ASSERT_TRUE(tree);
    const TRegKey* page2 = tree->FindKey(QStringLiteral("\\Software\\Kylvane\\Page2"));
    ASSERT_TRUE(page2);
    EXPECT_EQ(*page2->Find(QStringLiteral("DensityCombo")), TRegData(int32_t(10)));
    EXPECT_EQ(*page2->Find(QStringLiteral("DensityData")), TRegData(QStringLiteral("0,89")));
    EXPECT_EQ(*page2->Find(QStringLiteral("OilVolumeCombo")), TRegData(int32_t(-3)));
    // A key without values exists all the same.
    EXPECT_TRUE(tree->FindKey(QStringLiteral("Software\\Kylvane\\Page5")));
}

TEST(SettingsTreeParse, RefusesAnythingThatIsNotAWholeSettingsFile) {
    const struct {
        const char* What;
        QByteArray Bytes;
    } cases[] = {
        {"binary junk", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"cut inside a text", "[Software\\Kylvane\\Page2]\n\"DensityData\"=\"0,8"},
        {"cut inside a key", "[Software\\Kylvane\\Pa"},
        {"a value before any key", "\"Language\"=dword:00000000\n[Software\\Kylvane\\Page5]\n"},
        {"a line that is neither", "[Software\\Kylvane\\Page5]\nLanguage=0\n"},
        {"an unknown type", "[Software\\Kylvane\\Page5]\n\"Language\"=hex:00\n"},
        {"more than 32 bits", "[Software\\Kylvane\\Page5]\n\"Language\"=dword:100000000\n"},
        {"a signed integer", "[Software\\Kylvane\\Page5]\n\"Language\"=dword:-1\n"},
        {"no digits", "[Software\\Kylvane\\Page5]\n\"Language\"=dword:\n"},
        {"junk after a text", "[Software\\Kylvane\\Page2]\n\"OurRef\"=\"ab\"cd\n"},
        {"an unknown escape", "[Software\\Kylvane\\Page2]\n\"OurRef\"=\"a\\qb\"\n"},
        {"an empty key path", "[\\]\n"},
        {"not UTF-8", "[Software\\Kylvane\\Page2]\n\"OurRef\"=\"\xB0"
                      "F\"\n"},
        {"a control character", "[Software\\Kylvane\\Page2]\n\"OurRef\"=\"a\x01z\"\n"},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(TSettingsTree::Parse(c.Bytes)) << c.What;
}

TEST(SettingsTreeText, EveryTextSurvivesWritingAndReadingBack) {
    const QString texts[] = {
        QStringLiteral("12,5"),
        QStringLiteral("a=b;c"),
        QStringLiteral("  blanks at both ends  "),
        QStringLiteral("\u00B0F and \u00E6\u00F8\u00E5"),
        QStringLiteral("quote \" and back\\slash"),
        QStringLiteral("line\nbreak\tand\rreturn"),
        QStringLiteral("[Software\\Kylvane]"),
        QStringLiteral("dword:00000005"),
        QStringLiteral("; not a comment"),
        QString(QChar(u'\x01')) + QStringLiteral("control"),
        QString(),
    };
    TSettingsTree tree;
    TRegKey& key = tree.CreateKey(QStringLiteral("Software\\Kylvane\\PrintPage"));
    for (int i = 0; i < int(std::size(texts)); ++i)
        key.Set(QStringLiteral("Text%1").arg(i), texts[i]);

    const std::optional<TSettingsTree> back = TSettingsTree::Parse(tree.ToBytes());
    ASSERT_TRUE(back);
    const TRegKey* readKey = back->FindKey(QStringLiteral("Software\\Kylvane\\PrintPage"));
    ASSERT_TRUE(readKey);
    for (int i = 0; i < int(std::size(texts)); ++i)
        EXPECT_EQ(*readKey->Find(QStringLiteral("Text%1").arg(i)), TRegData(texts[i])) << i;
}

TEST(SettingsTreeKeys, NamesMatchWithoutRegardToCaseAndKeepTheirFirstSpelling) {
    TSettingsTree tree;
    tree.CreateKey(QStringLiteral("Software\\Kylvane\\Page1"))
        .Set(QStringLiteral("OilflowCombo"), int32_t(1));
    tree.FindKey(QStringLiteral("\\SOFTWARE\\kylvane\\page1\\"))
        ->Set(QStringLiteral("oilflowcombo"), int32_t(4));

    const std::optional<TSettingsTree> back = TSettingsTree::Parse(tree.ToBytes());
    ASSERT_TRUE(back);
    const TRegKey* key = back->FindKey(QStringLiteral("Software\\Kylvane\\Page1"));
    ASSERT_TRUE(key);
    ASSERT_EQ(key->Values.size(), 1);
    EXPECT_EQ(key->Path, QStringLiteral("Software\\Kylvane\\Page1"));
    EXPECT_EQ(key->Values[0].Name, QStringLiteral("OilflowCombo"));
    EXPECT_EQ(key->Values[0].Data, TRegData(int32_t(4)));
}

TEST(SettingsTreeKeys, DeletingAKeyTakesItsSubkeysButNotKeysThatMerelyShareItsName) {
    TSettingsTree tree;
    tree.CreateKey(QStringLiteral("Software\\Kylvane\\Page1"));
    tree.CreateKey(QStringLiteral("Software\\Kylvane2\\Page1"));
    tree.CreateKey(QStringLiteral("Software\\Other"));

    EXPECT_TRUE(tree.HoldsKey(QStringLiteral("\\Software\\Kylvane")));
    tree.DeleteKeyTree(QStringLiteral("\\Software\\Kylvane"));

    EXPECT_FALSE(tree.HoldsKey(QStringLiteral("\\Software\\Kylvane")));
    EXPECT_TRUE(tree.HoldsKey(QStringLiteral("\\Software\\Kylvane2")));
    EXPECT_TRUE(tree.FindKey(QStringLiteral("Software\\Other")));
}

} // namespace
