#include "units/NumericText.h"

#include "core/ConvertError.h"
#include "core/RegionalSettings.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int ExpandedDigits = 18;

// A non-negative number as decimal digits d0 d1 d2 ... with the decimal point after
// `IntegerDigits` of them (which may be zero or negative for values below 0.1). The digits live
// in the object itself: every result text passes here, and the heap would cost more than the
// arithmetic.
struct TDecimalDigits {
    std::array<char, ExpandedDigits + 1> Digits{}; // room for a carry in front
    int Count = 0;
    int IntegerDigits = 0;

    static TDecimalDigits Zero() {
        TDecimalDigits zero;
        zero.Digits[0] = '0';
        zero.Count = 1;
        zero.IntegerDigits = 1;
        return zero;
    }

    static TDecimalDigits Expand(double magnitude) {
        // The digits printf's "%.17e" writes ("d.ddd...e+XX"), without its cost.
        char buffer[64];
        const std::to_chars_result written =
            std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                          ExpandedDigits - 1);
        const char* e = std::find(buffer, written.ptr, 'e');
        TDecimalDigits result;
        result.Digits[result.Count++] = buffer[0];
        for (const char* digit = buffer + 2; digit < e; ++digit)
            result.Digits[result.Count++] = *digit;
        const char* exponent = e + 1;
        const bool negative = *exponent == '-';
        int magnitudeOfTen = 0;
        std::from_chars(exponent + 1, written.ptr, magnitudeOfTen);
        result.IntegerDigits = (negative ? -magnitudeOfTen : magnitudeOfTen) + 1;
        return result;
    }

    // Keeps `count` leading digits, rounding on the first dropped digit. A count of zero or
    // less rounds everything away (possibly up to a single 1 in front of the digits).
    void RoundToDigits(int count) {
        if (count >= Count)
            return;
        if (count < 0) {
            Count = 0;
            return;
        }
        const bool up = Digits[count] >= '5';
        Count = count;
        if (!up)
            return;
        int i = count - 1;
        while (i >= 0 && Digits[i] == '9') {
            Digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++Digits[i];
        } else {
            std::copy_backward(Digits.begin(), Digits.begin() + Count, Digits.begin() + Count + 1);
            Digits[0] = '1';
            ++Count;
            ++IntegerDigits;
        }
    }

    char DigitAt(int index) const { return index >= 0 && index < Count ? Digits[index] : '0'; }

    bool IsZero() const {
        return std::all_of(Digits.begin(), Digits.begin() + Count, [](char d) { return d == '0'; });
    }
};

QString Scientific(TDecimalDigits number, int precision, bool negative) {
    number.RoundToDigits(precision);
    int mantissa = number.Count;
    while (mantissa > 1 && number.Digits[mantissa - 1] == '0')
        --mantissa;
    QString text = negative ? QStringLiteral("-") : QString();
    text += QLatin1Char(number.Digits[0]);
    if (mantissa > 1) {
        text += Regional().DecimalSeparator;
        text += QLatin1String(number.Digits.data() + 1, mantissa - 1);
    }
    text += QLatin1Char('E') + QString::number(number.IntegerDigits - 1);
    return text;
}

} // namespace

QString FormatFixed(double value, int precision, int decimals) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    decimals = std::max(decimals, 0);
    precision = std::clamp(precision, 1, ExpandedDigits);

    TDecimalDigits number =
        value == 0 ? TDecimalDigits::Zero() : TDecimalDigits::Expand(std::fabs(value));
    const TDecimalDigits expanded = number;

    number.RoundToDigits(number.IntegerDigits + decimals);
    if (number.Count > precision)
        number.RoundToDigits(precision);

    const bool negative = value < 0 && !number.IsZero();
    if (number.IntegerDigits > precision)
        return Scientific(expanded, precision, value < 0);

    // Sized once and filled in place: every result text passes here.
    const int integerDigits = std::max(number.IntegerDigits, 1);
    QString text((negative ? 1 : 0) + integerDigits + (decimals > 0 ? 1 + decimals : 0),
                 Qt::Uninitialized);
    QChar* out = text.data();
    if (negative)
        *out++ = QLatin1Char('-');
    if (number.IntegerDigits <= 0) {
        *out++ = QLatin1Char('0');
    } else {
        for (int i = 0; i < number.IntegerDigits; ++i)
            *out++ = QLatin1Char(number.DigitAt(i));
    }
    if (decimals > 0) {
        *out++ = Regional().DecimalSeparator;
        for (int i = 0; i < decimals; ++i)
            *out++ = QLatin1Char(number.DigitAt(number.IntegerDigits + i));
    }
    return text;
}

std::optional<double> ParseRegionalNumber(const QString& text) {
    const QChar separator = Regional().DecimalSeparator;
    // Rebuilt as plain ASCII with a point so the standard conversion does the arithmetic.
    std::string ascii;
    ascii.reserve(text.size());
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isDigit = [&](qsizetype at) {
        return at < n && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9');
    };
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ascii += static_cast<char>(text[i++].unicode());
    int mantissaDigits = 0;
    while (isDigit(i)) {
        ascii += static_cast<char>(text[i++].unicode());
        ++mantissaDigits;
    }
    if (i < n && text[i] == separator) {
        ascii += '.';
        ++i;
        while (isDigit(i)) {
            ascii += static_cast<char>(text[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ascii += static_cast<char>(text[i++].unicode());
        if (!isDigit(i))
            return std::nullopt;
        while (isDigit(i))
            ascii += static_cast<char>(text[i++].unicode());
    }
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    if (i != n)
        return std::nullopt;

    const char* first = ascii.data();
    if (*first == '+')
        ++first; // from_chars takes no leading plus
    double value = 0;
    const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<TThousandsReadings> ThousandsReadings(const QString& typed, QChar groupSeparator) {
    const QChar point = QLatin1Char('.');
    const QChar comma = QLatin1Char(',');
    if (groupSeparator != point && groupSeparator != comma)
        return std::nullopt;
    // Blanks around a number are the only ones the reader skips.
    qsizetype first = 0;
    qsizetype end = typed.size();
    while (first < end && typed[first] == QLatin1Char(' '))
        ++first;
    while (end > first && typed[end - 1] == QLatin1Char(' '))
        --end;
    const QString text = typed.mid(first, end - first);
    const QString sign = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))
                             ? text.left(1)
                             : QString();
    const qsizetype separator = text.indexOf(groupSeparator);
    if (separator < 0)
        return std::nullopt;
    const QString whole = text.mid(sign.size(), separator - sign.size());
    const QString thousandths = text.mid(separator + 1);
    const auto allDigits = [](const QString& digits) {
        return std::all_of(digits.cbegin(), digits.cend(),
                           [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    };
    if (whole.isEmpty() || whole.size() > 3 || whole[0] == QLatin1Char('0') || !allDigits(whole) ||
        thousandths.size() != 3 || !allDigits(thousandths))
        return std::nullopt;

    QString fraction = thousandths;
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    TThousandsReadings readings;
    readings.Thousands = sign + whole + thousandths;
    readings.Decimal = sign + whole;
    if (!fraction.isEmpty())
        readings.Decimal += (groupSeparator == point ? comma : point) + fraction;
    return readings;
}

QString DeciPointToDeciComa(const QString& valueStr) {
    const QChar separator = Regional().DecimalSeparator;
    QString text = valueStr;
    for (QChar& c : text) {
        if (c == QLatin1Char('.') || c == QLatin1Char(','))
            c = separator;
    }
    return text;
}

double DataValueToFloat(const QString& valueText) {
    const QString text = valueText.left(255);
    const std::optional<double> value = ParseRegionalNumber(DeciPointToDeciComa(text));
    if (!value)
        throw EConvertError(text);
    return *value;
}
