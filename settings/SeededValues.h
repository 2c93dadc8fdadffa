#pragma once

#include <QList>
#include <QString>

// The values the seeding copies from the machine-wide to the per-user copy, subkey by subkey
// in the order it copies them. The installation's machine-wide copy carries every one of them.
// "FixedTempMode", "OilMaxOilDev" and "OutputOilAirDev" are deliberately absent: a user keeps
// his own mode and margins through later seedings.
enum class TSeededType { Text, Integer };

struct TSeededValue {
    QString Name;
    TSeededType Type;
};

struct TSeededKey {
    QString EndPath;
    QList<TSeededValue> Values;
};

const QList<TSeededKey>& SeededKeys();
