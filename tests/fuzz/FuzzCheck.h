#pragma once

#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <cstdlib>

// Ends the run with the finding when a promise of the program does not hold; libFuzzer keeps
// the input that led here beside the corpus.
inline void Require(bool holds, const char* promise, const QString& detail = QString()) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken: %s\n%s\n", promise, qPrintable(detail));
    std::abort();
}

// A text the program shows holds no number written as "NAN" or "INF".
inline bool ShowsOnlyNumbers(const QString& text) {
    static const QRegularExpression invalid(QStringLiteral("\\b(NAN|INF)\\b"));
    return !invalid.match(text).hasMatch();
}

// A message shows no raw control character, so it can neither be cut short nor garble the
// screen; a line break between its lines is the one exception.
inline bool ShowsNoControlCharacter(const QString& text) {
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\n'))
            return false;
    }
    return true;
}
