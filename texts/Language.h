#pragma once

#include "core/CoolerTypes.h"

#include <QString>
#include <QStringList>

// A text key: at most 4 characters; a longer key is cut to its first 4.
class TTxtNoStr {
public:
    static constexpr qsizetype MaxLength = 4;

    TTxtNoStr(const QString& key) : Key(key.left(MaxLength)) {}
    TTxtNoStr(const char* key) : TTxtNoStr(QString::fromUtf8(key)) {}
    const QString& str() const { return Key; }

private:
    QString Key;
};

// The language text store: the current user-interface language and the lines of the one page
// loaded last. It keeps no cache, so a language change reaches a page only when that page is
// loaded again; until then lookups answer in the language the page was loaded in.
class TLanguage {
public:
    // Empties the page, as on construction.
    void Initiate();

    // Takes effect at the next NewPageText; the loaded page stays as it is.
    void SetLanguageType(TLanguageType Language);
    TLanguageType GetLanguageType() const;

    // Replaces the loaded page with the table of (current language, LanguagePage); a pair
    // without a table leaves the page empty.
    void NewPageText(TLanguagePageType LanguagePage);
    TLanguagePageType GetLastLanguagePage() const;

    // The text of TxtNoStr in the loaded page, by the rules of FindText.
    QString GetTxt(const TTxtNoStr& TxtNoStr) const;

private:
    QStringList Texts;
    TLanguageType ThisLanguageType = ENGLISH;
    TLanguagePageType LastLanguagePage = MainGroup;
};

// The text after the first "=" of the first line whose part before its first "=" equals Key
// (letter case ignored), cut to 255 characters. Later lines with the same key are never
// reached; a line without "=" never matches. A missing key and an empty text both give "".
QString FindText(const QStringList& Lines, const TTxtNoStr& Key);
