#pragma once

#include <QString>

// The text with every control character written as an escape ("\x00", "\x1B", "\u2028"), so
// that a damaged file or a pasted value can neither cut a message short nor move the cursor of
// the terminal or dialog that shows it. Every other character stays as it is.
QString WithVisibleControlCharacters(const QString& text);

// A value as a message quotes it back: control characters escaped as above, and at most
// MaxEchoedLength characters of it, so that a pasted page of text or a huge table cell gives a
// message of a few lines. A longer value is cut, never inside a character, and ends in "...".
inline constexpr qsizetype MaxEchoedLength = 80;
QString EchoedValue(const QString& text);
