#pragma once

// Lets GoogleTest print Qt values and the engine's small result codes readably.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (const QString& text : list)
        *os << '"' << text.toStdString() << "\" ";
    *os << '}';
}
