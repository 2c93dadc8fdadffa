#pragma once

#include <QString>

#include <optional>

// The one rule by which every number of the program is written: fixed-point notation with
// `decimals` digits after the regional decimal separator, at most `precision` significant
// digits (digits beyond them are written as zeros), no thousands separators. The value is
// expanded to 18 significant digits, rounded at `decimals` decimals and then, when more than
// `precision` significant digits remain, at `precision` digits; each rounding looks only at
// the first dropped digit and rounds up in magnitude from 5. A value whose integer part alone
// has more than `precision` digits is written in scientific notation instead ("1.2345679E8").
QString FormatFixed(double value, int precision, int decimals);

// Reads a number in the form every entry and data file accepts once its decimal signs have
// been made regional: optional blanks, an optional sign, digits with at most one decimal
// separator and at least one digit, an optional exponent ("E" or "e", optional sign, digits),
// optional blanks. Thousands separators are not accepted. The separator is the regional one.
std::optional<double> ParseRegionalNumber(const QString& text);

// The two numbers a typed text may mean when its only separator stands where a thousands
// separator would: one to three digits that do not start with 0, the separator and exactly three
// digits, with an optional sign and blanks around ("68,200", "-4,000"; not "0,125", "12,5" or
// "1,5000").
struct TThousandsReadings {
    QString Thousands; // the separator left out: "68200"
    QString Decimal;   // the separator as decimal sign, without trailing zeros: "68.2", "-4"
};

// The readings of `typed` when its separator is `groupSeparator`, a point or a comma; none for
// any other text or separator. The decimal reading is written with the other of point and
// comma, which cannot be taken for a thousands separator.
std::optional<TThousandsReadings> ThousandsReadings(const QString& typed, QChar groupSeparator);

// Converts a data-file value (a point or a comma as decimal sign, whatever the regional
// settings) to a number; throws EConvertError naming the text when it is not a number.
// The text is cut to 255 characters first, as every value read from a data file is.
double DataValueToFloat(const QString& valueText);

// Every "." and "," of the text as the regional decimal separator; the length is unchanged.
QString DeciPointToDeciComa(const QString& valueStr);
