#pragma once

#include <QString>

// Lengths and cuts of a text in characters as a reader counts them: an emoji or any other
// character beyond the first 65,536 is one character, although it takes two UTF-16 units, and a
// cut never splits it into halves that no font can show.

qsizetype CodePointCount(const QString& text);

// The first `count` characters of the text, or the whole text when it has no more.
QString LeftCodePoints(const QString& text, qsizetype count);
