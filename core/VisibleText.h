#pragma once

#include <QString>

// The text with every control character written as an escape ("\x00", "\x1B", "\u2028"), so
// that a damaged file or a pasted value can neither cut a message short nor move the cursor of
// the terminal or dialog that shows it. Every other character stays as it is.
QString WithVisibleControlCharacters(const QString& text);
