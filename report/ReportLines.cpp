#include "report/ReportLines.h"

#include "units/NumericText.h"

QString PadReportLine(const QString& Label, const QString& Value, const QString& Unit) {
    const qsizetype blanks = ReportValueColumn - Label.size() - Value.size();
    return Label + QString(std::max<qsizetype>(blanks, 0), QLatin1Char(' ')) + Value +
           QLatin1Char(' ') + Unit;
}

TSplitText SplitAtFirstSpace(const QString& Text) {
    const qsizetype blank = Text.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {};
    return {Text.left(blank + 1), Text.mid(blank + 1)};
}

QString RemoveAllSpaces(const QString& Text) {
    QString text = Text;
    text.remove(QLatin1Char(' '));
    return text;
}

QString RemoveLeadingSpaces(const QString& Text) {
    qsizetype start = 0;
    while (start < Text.size() && Text[start] == QLatin1Char(' '))
        ++start;
    return Text.mid(start);
}

TReportValue InputValue(const QString& EntryText, const QString& Unit) {
    return {DeciPointToDeciComa(RemoveAllSpaces(EntryText)), Unit};
}

TReportValue ResultValue(const QString& ShownText) {
    const TSplitText split = SplitAtFirstSpace(ShownText);
    return {DeciPointToDeciComa(RemoveAllSpaces(split.Number)), split.Unit};
}

TReportValue HeatDissipationValue(const QString& ShownText) {
    // The leading blank is the first split; the number follows it.
    const TSplitText first = SplitAtFirstSpace(ShownText);
    const TSplitText second = SplitAtFirstSpace(RemoveLeadingSpaces(first.Unit));
    const QString joined = first.Number + QLatin1Char(' ') + second.Number;
    return {RemoveAllSpaces(DeciPointToDeciComa(joined)), second.Unit};
}
