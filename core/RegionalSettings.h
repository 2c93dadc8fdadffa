#pragma once

#include <QChar>
#include <QString>

// The two regional settings the program reads: the decimal separator of every written and
// parsed number, and the short date format of the report and the printed table. The program
// fills them from the system locale at start; tests set them.
struct TRegionalSettings {
    QChar DecimalSeparator = QLatin1Char('.');
    QString ShortDateFormat = QStringLiteral("yyyy-MM-dd"); // a QDate format string

    static TRegionalSettings FromSystemLocale();
};

TRegionalSettings& Regional();

// Sets the regional settings for the lifetime of this object (tests), then restores them.
class TScopedRegionalSettings {
public:
    explicit TScopedRegionalSettings(const TRegionalSettings& settings);
    explicit TScopedRegionalSettings(QChar decimalSeparator);
    ~TScopedRegionalSettings();
    TScopedRegionalSettings(const TScopedRegionalSettings&) = delete;
    TScopedRegionalSettings& operator=(const TScopedRegionalSettings&) = delete;

private:
    TRegionalSettings Previous;
};
