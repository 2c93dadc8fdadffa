#include "core/RegionalSettings.h"

#include <QLocale>

TRegionalSettings TRegionalSettings::FromSystemLocale() {
    const QLocale locale = QLocale::system();
    TRegionalSettings settings;
    // A locale may spell its separator with more than one code unit; the program writes
    // single characters, so anything unusual falls back to a point.
    const QString separator = locale.decimalPoint();
    settings.DecimalSeparator = separator.size() == 1 ? separator.at(0) : QLatin1Char('.');
    settings.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    const QString group = locale.groupSeparator();
    settings.GroupSeparator = group.size() == 1 ? group.at(0) : QChar();
    return settings;
}

TRegionalSettings& Regional() {
    static TRegionalSettings settings;
    return settings;
}

TScopedRegionalSettings::TScopedRegionalSettings(const TRegionalSettings& settings)
    : Previous(Regional()) {
    Regional() = settings;
}

TScopedRegionalSettings::TScopedRegionalSettings(QChar decimalSeparator) : Previous(Regional()) {
    Regional().DecimalSeparator = decimalSeparator;
    Regional().GroupSeparator =
        decimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
}

TScopedRegionalSettings::~TScopedRegionalSettings() {
    Regional() = Previous;
}
