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

// Converts a data-file value (a point or a comma as decimal sign, whatever the regional
// settings) to a number; throws EConvertError naming the text when it is not a number.
// The text is cut to 255 characters first, as every value read from a data file is.
double DataValueToFloat(const QString& valueText);

// Every "." and "," of the text as the regional decimal separator; the length is unchanged.
QString DeciPointToDeciComa(const QString& valueStr);
