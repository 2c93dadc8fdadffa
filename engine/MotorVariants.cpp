#include "engine/MotorVariants.h"

#include "core/ProfileFile.h"

#include <QFile>

#include <cmath>

const std::array<TMotorDataColumn, MotorDataColumnCount> MotorDataColumns{{
    {"CoolerType", "Cooler type", "", "", 14},
    {"Speed", "Speed", "[rpm]", "[rpm]", 10},
    {"FanPower", "Fan power", "[kW]", "[HP]", 12},
    {"MotorSize", "Motor size", "[cm³/rev]", "[cm³/rev]", 11},
    {"Pressure", "Pressure", "[bar]", "[psi]", 12},
    {"Flow", "Flow", "[l/min]", "[gpm]", 12},
    {"Connection", "Connection", "IN/OUT", "IN/OUT", 13},
    {"DrainCon", "Drain", "connection", "connection", 0},
}};

QList<TMotorDataCells> ParseMotorVariants(const QByteArray& Bytes) {
    const QList<TProfileSection> sections =
        TProfileFile::ParseSections(TProfileFile::DecodeBytes(Bytes));
    QList<TMotorDataCells> variants;
    for (int number = 1; number <= MaxMotorVariants; ++number) {
        const TProfileSection* section =
            TProfileFile::FindSection(sections, QString::number(number));
        if (!section)
            break;
        TMotorDataCells cells;
        for (int column = 0; column < MotorDataColumnCount; ++column)
            cells[column] = TProfileFile::ValueOf(section->Entries,
                                                  QLatin1String(MotorDataColumns[column].Key));
        variants.append(cells);
    }
    return variants;
}

QList<TMotorDataCells> ReadMotorVariants(const QString& FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseMotorVariants(file.readAll());
}

std::array<int, MotorDataColumnCount> MotorDataColumnWidths(int Width) {
    // Halves go to the even neighbour, as the rounding of the default floating-point mode does;
    // the division comes last so that a half is exact.
    const auto share = [Width](int percent) {
        return static_cast<int>(std::nearbyint(Width * percent / 100.0));
    };
    std::array<int, MotorDataColumnCount> widths{};
    int used = 0;
    for (int column = 0; column + 1 < MotorDataColumnCount; ++column) {
        widths[column] = share(MotorDataColumns[column].Percent);
        used += widths[column];
    }
    widths.back() = share(MotorDataTablePercent) - used;
    return widths;
}
