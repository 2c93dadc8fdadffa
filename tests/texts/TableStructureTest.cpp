// The shape of every built-in table: which tables exist, how many lines each has and which
// keys they carry in which order. A translation that loses or adds a line shifts no text (the
// store looks texts up by key) but leaves a control without its caption, so each is a fault.

#include "texts/TableNames.h"

#include "tests/texts/TableTestSupport.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <array>
#include <map>

namespace {

// Lines per table, columns MainGroup, Page_1, Page_2, Page_3, Page_5, AboutSec.
const std::map<TLanguageType, std::array<int, 6>> LineCounts = {
    {ENGLISH, {35, 30, 15, 35, 13, 5}},     {US_ENGLISH, {35, 30, 15, 35, 13, 5}},
    {AUS_ENGLISH, {35, 30, 15, 35, 13, 5}}, {GERMAN, {31, 29, 15, 35, 13, 5}},
    {DUTCH, {31, 29, 15, 35, 13, 5}},       {FRANCE, {31, 29, 15, 34, 13, 5}},
    {POLISH, {31, 29, 16, 35, 13, 5}},      {SWEDISH, {31, 29, 15, 35, 13, 5}},
    {SPANISH, {35, 30, 15, 35, 13, 5}},     {DANISH, {31, 29, 15, 35, 13, 5}},
    {ITALIAN, {31, 29, 15, 35, 13, 5}},     {NORWEGIAN, {31, 29, 15, 35, 13, 5}},
};

bool CarriesEnglishExtras(TLanguageType Language) {
    return Language == ENGLISH || Language == US_ENGLISH || Language == AUS_ENGLISH ||
           Language == SPANISH;
}

QStringList KeysUpTo(int Last) {
    QStringList keys;
    for (int key = 1; key <= Last; ++key)
        keys << QString::number(key);
    return keys;
}

// The key sequence each table must carry, built from the rules rather than the counts above.
QStringList ExpectedKeys(TLanguageType Language, TLanguagePageType Page) {
    switch (Page) {
    case MainGroup:
        // Every language words the two readings of an entry (key 35) after its own keys.
        return KeysUpTo(CarriesEnglishExtras(Language) ? 34 : 30) << "35";
    case Page_1:
        return KeysUpTo(CarriesEnglishExtras(Language) ? 30 : 29);
    case Page_2: {
        QStringList keys = KeysUpTo(15);
        if (Language == POLISH)
            keys.insert(5, "5");
        return keys;
    }
    case Page_3: {
        QStringList keys = KeysUpTo(35);
        if (Language == FRANCE)
            keys.removeOne("34");
        return keys;
    }
    case Page_5:
        return KeysUpTo(13);
    case AboutSec:
        return KeysUpTo(5);
    default:
        return {};
    }
}

QStringList KeysOf(const QStringList& Lines) {
    QStringList keys;
    for (const QString& line : Lines)
        keys << KeyOf(line);
    return keys;
}

TEST(TableStructure, EveryTableHasItsNumberOfLines) {
    for (TLanguageType language : TableLanguages()) {
        for (std::size_t column = 0; column < TablePages().size(); ++column) {
            const TLanguagePageType page = TablePages()[column];
            EXPECT_EQ(TableOf(language, page).size(), LineCounts.at(language)[column])
                << TableLabel(language, page);
        }
    }
}

TEST(TableStructure, EveryTableCarriesItsKeysInOrder) {
    for (TLanguageType language : TableLanguages()) {
        for (TLanguagePageType page : TablePages()) {
            EXPECT_EQ(KeysOf(TableOf(language, page)), ExpectedKeys(language, page))
                << TableLabel(language, page);
        }
    }
}

// A table filed under a wrong name would never be found and its language would show empty
// captions, so the resource must hold exactly the expected files.
class TableFiles : public ::testing::Test {
protected:
    // Loading any page makes sure the tables are registered before the resource is listed.
    void SetUp() override { TableOf(ENGLISH, MainGroup); }

    static QStringList Sorted(QStringList names) {
        names.sort();
        return names;
    }
};

TEST_F(TableFiles, ExactlyTheTwelveLanguagesAndSixPagesAreFiled) {
    QStringList languages;
    for (TLanguageType language : TableLanguages())
        languages << LanguageTypeName(language);
    QStringList pages;
    for (TLanguagePageType page : TablePages())
        pages << LanguagePageTypeName(page) + ".txt";

    const QDir tables(":/texts/tables");
    EXPECT_EQ(Sorted(tables.entryList(QDir::AllEntries)), Sorted(languages));
    for (const QString& language : languages) {
        EXPECT_EQ(Sorted(QDir(tables.filePath(language)).entryList(QDir::AllEntries)),
                  Sorted(pages))
            << language.toStdString();
    }
}

TEST_F(TableFiles, AreCleanUtf8WithEveryLineEndedByANewline) {
    for (TLanguageType language : TableLanguages()) {
        for (TLanguagePageType page : TablePages()) {
            const QString path = QString(":/texts/tables/%1/%2.txt")
                                     .arg(LanguageTypeName(language), LanguagePageTypeName(page));
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                ADD_FAILURE() << "missing " << path.toStdString();
                continue;
            }
            const QByteArray bytes = file.readAll();
            SCOPED_TRACE(TableLabel(language, page));
            EXPECT_TRUE(bytes.endsWith('\n'));
            EXPECT_FALSE(bytes.contains('\r'));
            EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
            QStringDecoder utf8(QStringDecoder::Utf8);
            [[maybe_unused]] const QString decoded = utf8(bytes);
            EXPECT_FALSE(utf8.hasError()) << "not valid UTF-8";
        }
    }
}

} // namespace
