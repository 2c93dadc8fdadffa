#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// The motor variants of the hydraulic-motor series, from the data file installed beside the
// catalogue. Each variant is a section named by its number from "1" upwards; the values are
// texts shown as the file holds them, never converted.
inline const QString MotorDataFileName = QStringLiteral("VDM_MD.INI");

// Reading stops at the first missing number and never goes past this one.
constexpr int MaxMotorVariants = 126;

// One column of the motor table: the key of its values in the data file, its title, its unit
// line in each edition and its share of the table's width in percent.
struct TMotorDataColumn {
    const char* Key;
    const char* Title;
    const char* UnitEuropean;
    const char* UnitUS;
    int Percent; // the last column takes the rest up to MotorDataTablePercent
};

constexpr int MotorDataColumnCount = 8;
extern const std::array<TMotorDataColumn, MotorDataColumnCount> MotorDataColumns;
constexpr int MotorDataTablePercent = 91;

// A row of the table, one text per column.
using TMotorDataCells = std::array<QString, MotorDataColumnCount>;

// What a motor-data file gives: the variants read, and what is wrong with the file when
// something is, so that a damaged file is told rather than shown as a short or empty table.
struct TMotorVariants {
    QList<TMotorDataCells> Variants;
    // Empty for a sound file; otherwise the first fault found, naming the file: it cannot be
    // read ("file not found: <path>"), it has no section [1], a section holds none of the
    // table's keys, or a number is missing before later ones (whose variants are not read).
    QString Fault;
};

// The variants of the file's bytes, in section order, each value as it stands (a missing key
// gives an empty text), with the fault `FileName` has. Any bytes give an answer, never an
// error.
TMotorVariants ParseMotorVariants(const QByteArray& Bytes, const QString& FileName);

// The variants of the file; a file that is missing, cannot be read or is empty has none and
// says so.
TMotorVariants ReadMotorVariants(const QString& FileName);

// The widths of the eight columns of a table `Width` units wide: each column its share taken
// to the nearest unit (halves to even), the last one what is left of 91 %.
std::array<int, MotorDataColumnCount> MotorDataColumnWidths(int Width);
