#pragma once

#include "core/CoolerTypes.h"

#include <QString>
#include <QStringList>

#include <ostream>
#include <string>
#include <vector>

// Shared vocabulary of the table tests: which languages and pages have tables, and short ways
// to read a table or one of its texts.

// The twelve languages with tables, in ordinal order.
const std::vector<TLanguageType>& TableLanguages();

// The nine languages whose tables are translations of the English ones.
const std::vector<TLanguageType>& TranslatedLanguages();

// The six pages with tables.
const std::vector<TLanguagePageType>& TablePages();

// Every page, with or without tables.
std::vector<TLanguagePageType> AllPages();

// The lines of the built-in table, as the store receives them.
QStringList TableOf(TLanguageType Language, TLanguagePageType Page);

// The text the store answers for Key after loading (Language, Page).
QString TextOf(TLanguageType Language, TLanguagePageType Page, const QString& Key);

// The part of a table line before its first "=".
QString KeyOf(const QString& Line);

// "GERMAN/Page_1" and "GERMAN/Page_1 key 5", for failure messages.
std::string TableLabel(TLanguageType Language, TLanguagePageType Page);
std::string TextLabel(TLanguageType Language, TLanguagePageType Page, const QString& Key);
