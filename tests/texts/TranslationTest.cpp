// The content of the nine translated languages: the rows whose wording is fixed, translations
// that were forgotten, and the characters every language may use.

#include "tests/texts/TableTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

// The telling rows: MainGroup keys 1, 2, 3, 4, 6, 11 and Page_1 keys 20, 21.
struct TellingRow {
    TLanguageType Language;
    std::vector<QString> Texts;
};

struct TellingColumn {
    TLanguagePageType Page;
    QString Key;
};

const std::vector<TellingColumn> TellingColumns = {
    {MainGroup, "1"}, {MainGroup, "2"},  {MainGroup, "3"}, {MainGroup, "4"},
    {MainGroup, "6"}, {MainGroup, "11"}, {Page_1, "20"},   {Page_1, "21"},
};

const std::vector<TellingRow> TellingRows = {
    {GERMAN,
     {"File", "Kühlerwahl", "Kühlleistungsberechnung", "Abmessungen", "Sprache", "Von..",
      "&Vorhanden", "&Neuauslegung"}},
    {DUTCH,
     {"Bestand", "Selecteer koeler", "Berekenen koelvermogen", "Afmetingen", "Taal", "Info",
      "&Geselecteerd", "&Nieuw"}},
    {FRANCE,
     {"Fichier", "Choix d´un échangeur", "Calcul de la capacité", "Dimensions", "Langue",
      "A propos de", "&Selectionné", "&Nouveau"}},
    {POLISH,
     {"Folder", "Chlodnice", "Obliczenie mocy do odebrania", "Wymiary", "Jezyk", "O..", "&Wybrana",
      "&Nowa"}},
    {SWEDISH, {"Arkiv", "Kylarval", "Effektberäkning", "Mått", "Språk", "Om..", "&Vald", "&Ny"}},
    {SPANISH,
     {"Archivo", "Selección del intercambiador", "Cálculo de la capacidad", "Dimensiones", "Idioma",
      "Acerca de", "&Seleccionado", "&Nuevo"}},
    {DANISH, {"File", "Kølervalg", "Effektberegning", "Mål", "Sprog", "Emne", "&Valgt", "&Ny"}},
    {ITALIAN,
     {"File", "Selezione scambiatore", "Calcolo", "Dimensioni", "Lingua", "Circa", "&Selezionato",
      "&Nuovo"}},
    {NORWEGIAN,
     {"Filer", "Kjølervalg", "Effektberegning", "Mål", "Språk", "Emne", "&Valgt", "&Ny"}},
};

TEST(FixedRows, TellingRowsStandVerbatim) {
    for (const TellingRow& row : TellingRows) {
        for (std::size_t column = 0; column < TellingColumns.size(); ++column) {
            const TellingColumn& cell = TellingColumns[column];
            EXPECT_EQ(TextOf(row.Language, cell.Page, cell.Key), row.Texts[column])
                << TextLabel(row.Language, cell.Page, cell.Key);
        }
    }
}

struct FixedText {
    TLanguageType Language;
    TLanguagePageType Page;
    QString Key;
    QString Text;
};

TEST(FixedRows, OtherRowsGivenWordForWordStandVerbatim) {
    const std::vector<FixedText> rows = {
        {GERMAN, Page_5, "1", "Sprache"},
        {SWEDISH, Page_5, "1", "Välj språk"},
        {FRANCE, Page_5, "1", "Choisissez la langue"},
        {POLISH, Page_5, "1", "Wybór jezyka"},
        {GERMAN, Page_5, "3", "Deutsch"},
        {SWEDISH, Page_5, "7", "Svenska"},
        {GERMAN, Page_1, "2", "KVAM, ADrehstrom"},
        {SPANISH, MainGroup, "31", "Modo de Uso"},
    };
    for (const FixedText& row : rows) {
        EXPECT_EQ(TextOf(row.Language, row.Page, row.Key), row.Text)
            << TextLabel(row.Language, row.Page, row.Key);
    }
    EXPECT_TRUE(TextOf(GERMAN, Page_1, "22").endsWith("Wenden Sie sich bitte an Brenvik."));
}

TEST(FixedRows, PolishHeatLoadPageListsKeyFiveTwiceWithTheTextFirst) {
    const QStringList lines = TableOf(POLISH, Page_2);
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[4], "5=Wielkosc ta okresla wymagana pojemnosc cieplna chlodnicy");
    EXPECT_EQ(lines[5], "5=");
}

// Keys whose translated text may legitimately equal the English one.
struct SameAsEnglish {
    std::set<TLanguageType> Languages; // empty: every translated language
    TLanguagePageType Page;
    std::vector<QString> Keys;
    const char* Reason;
};

std::vector<QString> KeyRange(int First, int Last) {
    std::vector<QString> keys;
    for (int key = First; key <= Last; ++key)
        keys.push_back(QString::number(key));
    return keys;
}

const std::vector<SameAsEnglish> AllowedSameAsEnglish = {
    {{}, MainGroup, {"28", "29"}, "program title words, English in every language"},
    {{GERMAN, DUTCH, FRANCE, POLISH, SWEDISH, DANISH, ITALIAN, NORWEGIAN},
     MainGroup,
     {"19"},
     "report note, English in every language but Spanish"},
    {{DUTCH, POLISH, SPANISH, DANISH, ITALIAN, NORWEGIAN},
     Page_3,
     KeyRange(25, 34),
     "drawing instructions, left in English in these languages"},
    {{}, MainGroup, {"30"}, "series designations keep their form"},
    {{}, AboutSec, {"2"}, "the maker's name"},
    {{}, AboutSec, {"4"}, "a version number"},
    {{GERMAN, FRANCE, SWEDISH, DANISH}, MainGroup, {"26"}, "\"Version\" is the same word"},
    {{GERMAN, FRANCE, SWEDISH, DANISH}, AboutSec, {"3"}, "\"Version\" is the same word"},
    {{POLISH, SWEDISH, DANISH, NORWEGIAN}, MainGroup, {"27"}, "\"Program\" is the same word"},
    {{FRANCE}, Page_5, {"10"}, "\"Italien\" is the French name of Italian"},
};

bool InTellingRows(TLanguageType Language, TLanguagePageType Page, const QString& Key) {
    for (const TellingRow& row : TellingRows) {
        for (std::size_t column = 0; column < TellingColumns.size(); ++column) {
            const TellingColumn& cell = TellingColumns[column];
            if (row.Language == Language && cell.Page == Page && cell.Key == Key &&
                row.Texts[column] == TextOf(ENGLISH, Page, Key))
                return true;
        }
    }
    return false;
}

bool MayEqualEnglish(TLanguageType Language, TLanguagePageType Page, const QString& Key) {
    for (const SameAsEnglish& allowed : AllowedSameAsEnglish) {
        const bool language = allowed.Languages.empty() || allowed.Languages.contains(Language);
        const bool key =
            std::find(allowed.Keys.begin(), allowed.Keys.end(), Key) != allowed.Keys.end();
        if (language && allowed.Page == Page && key)
            return true;
    }
    // Rows the telling rows fix word for word, such as the German "File".
    return InTellingRows(Language, Page, Key);
}

TEST(Translations, EveryTextThatShouldBeTranslatedIs) {
    for (TLanguageType language : TranslatedLanguages()) {
        for (TLanguagePageType page : TablePages()) {
            for (const QString& line : TableOf(language, page)) {
                const QString key = KeyOf(line);
                const QString english = TextOf(ENGLISH, page, key);
                if (english.isEmpty() || MayEqualEnglish(language, page, key))
                    continue;
                EXPECT_NE(TextOf(language, page, key), english)
                    << TextLabel(language, page, key) << " is still English";
            }
        }
    }
}

TEST(Translations, NoTextIsEmptyWhereTheEnglishOneIsNot) {
    for (TLanguageType language : TableLanguages()) {
        for (TLanguagePageType page : TablePages()) {
            for (const QString& line : TableOf(language, page)) {
                const QString key = KeyOf(line);
                if (TextOf(ENGLISH, page, key).isEmpty())
                    continue;
                EXPECT_FALSE(TextOf(language, page, key).isEmpty())
                    << TextLabel(language, page, key);
            }
        }
    }
}

// The entries offer the two readings of a number in every language's words: the number
// without the separator (%1) and with it as decimal sign (%2), each exactly once.
TEST(Translations, EveryLanguageOffersBothReadingsOfANumber) {
    for (TLanguageType language : TableLanguages()) {
        const QString text = TextOf(language, MainGroup, "35");
        EXPECT_EQ(text.count("%1"), 1) << TextLabel(language, MainGroup, "35");
        EXPECT_EQ(text.count("%2"), 1) << TextLabel(language, MainGroup, "35");
        EXPECT_EQ(text.count('%'), 2) << TextLabel(language, MainGroup, "35");
    }
    EXPECT_EQ(TextOf(ENGLISH, MainGroup, "35"), "Write %1 or %2");
}

// The program's texts are Windows-1252 text; printable characters only.
bool IsWindows1252Printable(QChar Character) {
    static const QString upperHalfExtras = QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    const char16_t code = Character.unicode();
    return (code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF) ||
           upperHalfExtras.contains(Character);
}

TEST(TextCharacters, EveryTextUsesPrintableWindows1252CharactersOnly) {
    for (TLanguageType language : TableLanguages()) {
        for (TLanguagePageType page : TablePages()) {
            for (const QString& line : TableOf(language, page)) {
                for (QChar character : line) {
                    EXPECT_TRUE(IsWindows1252Printable(character))
                        << TextLabel(language, page, KeyOf(line)) << ": U+" << std::hex
                        << static_cast<int>(character.unicode());
                }
                EXPECT_LE(line.size() - KeyOf(line).size() - 1, 255)
                    << TextLabel(language, page, KeyOf(line));
            }
        }
    }
}

// "ó" is a Windows-1252 letter and stays ("Wybór jezyka"); the other Polish letters are
// written without their marks.
TEST(TextCharacters, PolishIsWrittenWithoutPolishOnlyLetters) {
    const QString polishOnly = QString::fromUtf8("ąćęłńśźżĄĆĘŁŃŚŹŻ");
    for (TLanguagePageType page : TablePages()) {
        for (const QString& line : TableOf(POLISH, page)) {
            for (QChar character : polishOnly)
                EXPECT_FALSE(line.contains(character)) << TextLabel(POLISH, page, KeyOf(line));
        }
    }
}

TEST(TextCharacters, MakerIsNamedWhereTheTextsReferToIt) {
    for (TLanguageType language : TableLanguages()) {
        const QString notice = TextOf(language, AboutSec, "5");
        EXPECT_TRUE(notice.contains("2013")) << TextLabel(language, AboutSec, "5");
        EXPECT_TRUE(notice.contains("Brenvik")) << TextLabel(language, AboutSec, "5");
        EXPECT_TRUE(TextOf(language, Page_1, "22").contains("Brenvik"))
            << TextLabel(language, Page_1, "22");
    }
}

} // namespace
