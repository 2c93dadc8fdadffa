#pragma once

#include <QChar>
#include <QString>

// The regional settings the program reads: the decimal separator of every written and parsed
// number, the short date format of the report and the printed table, and the separator of
// thousands, which no number is written with but a user may type ("68,200"). The program fills
// them from the system locale at start; tests set them.
struct TRegionalSettings {
    QChar DecimalSeparator = QLatin1Char('.');
    QString ShortDateFormat = QStringLiteral("yyyy-MM-dd"); // a QDate format string
    // A null character when the settings have none that a single character spells.
    QChar GroupSeparator = QLatin1Char(',');

    static TRegionalSettings FromSystemLocale();
};

TRegionalSettings& Regional();

// Sets the regional settings for the lifetime of this object (tests), then restores them.
class TScopedRegionalSettings {
public:
    explicit TScopedRegionalSettings(const TRegionalSettings& settings);
    // The decimal separator with the group separator that goes with it in regional settings:
    // a comma with a decimal point (English), a point with a decimal comma (German).
    explicit TScopedRegionalSettings(QChar decimalSeparator);
    ~TScopedRegionalSettings();
    TScopedRegionalSettings(const TScopedRegionalSettings&) = delete;
    TScopedRegionalSettings& operator=(const TScopedRegionalSettings&) = delete;

private:
    TRegionalSettings Previous;
};
