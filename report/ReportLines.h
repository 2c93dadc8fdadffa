#pragma once

#include <QString>

// The report's data lines are set in a fixed-pitch font: each label is filled with blanks so
// that its value ends in column 40 and the units follow in one column. Characters are
// counted, not bytes.
constexpr qsizetype ReportValueColumn = 40;

// Label, blanks, value, one blank and unit; no blank separates a label and a value that
// together reach the value column.
QString PadReportLine(const QString& Label, const QString& Value, const QString& Unit);

// A shown result split at its first blank: the number part keeps that blank, the unit part is
// everything after it. A text without a blank has neither part.
struct TSplitText {
    QString Number;
    QString Unit;
    bool operator==(const TSplitText&) const = default;
};
TSplitText SplitAtFirstSpace(const QString& Text);

QString RemoveAllSpaces(const QString& Text);
QString RemoveLeadingSpaces(const QString& Text);

// A value and its unit as the report prints them.
struct TReportValue {
    QString Value;
    QString Unit;
    bool operator==(const TReportValue&) const = default;
};

// A typed entry with its unit: the blanks removed, the decimal signs made regional.
TReportValue InputValue(const QString& EntryText, const QString& Unit);
// A result such as "45.3 °C": its number part without blanks, with regional decimal signs.
TReportValue ResultValue(const QString& ShownText);
// The heat-dissipation result, which starts with a blank before its number (" 12.3 kW").
TReportValue HeatDissipationValue(const QString& ShownText);
