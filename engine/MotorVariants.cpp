#include "engine/MotorVariants.h"

#include "core/DataFault.h"
#include "core/ProfileFile.h"
#include "core/VisibleText.h"

#include <QDir>
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

namespace {

QString SectionName(int Number) {
    return QString::number(Number);
}

bool HoldsAnyColumnKey(const TProfileSection& Section) {
    for (const TProfileEntry& entry : Section.Entries) {
        for (const TMotorDataColumn& column : MotorDataColumns) {
            if (entry.Key.compare(QLatin1String(column.Key), Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QString ColumnKeys() {
    QStringList keys;
    for (const TMotorDataColumn& column : MotorDataColumns)
        keys.append(QLatin1String(column.Key));
    return keys.join(QStringLiteral(", "));
}

// The first section numbered beyond `Missing` that reading would have reached, 0 when none.
int FirstSectionAfter(const QList<TProfileSection>& Sections, int Missing) {
    for (int number = Missing + 1; number <= MaxMotorVariants; ++number) {
        if (TProfileFile::FindSection(Sections, SectionName(number)))
            return number;
    }
    return 0;
}

} // namespace

TMotorVariants ParseMotorVariants(const QByteArray& Bytes, const QString& FileName) {
    const QList<TProfileSection> sections =
        TProfileFile::ParseSections(TProfileFile::DecodeBytes(Bytes));
    const QString file = WithVisibleControlCharacters(QDir::toNativeSeparators(FileName));
    TMotorVariants read;
    int number = 1;
    for (; number <= MaxMotorVariants; ++number) {
        const TProfileSection* section = TProfileFile::FindSection(sections, SectionName(number));
        if (!section)
            break;
        if (read.Fault.isEmpty() && !HoldsAnyColumnKey(*section))
            read.Fault = QStringLiteral("section [%1] of %2 holds none of the keys %3")
                             .arg(SectionName(number), file, ColumnKeys());
        TMotorDataCells cells;
        for (int column = 0; column < MotorDataColumnCount; ++column)
            cells[column] = TProfileFile::ValueOf(section->Entries,
                                                  QLatin1String(MotorDataColumns[column].Key));
        read.Variants.append(cells);
    }
    if (!read.Fault.isEmpty() || number > MaxMotorVariants)
        return read;
    if (number == 1) {
        read.Fault = QStringLiteral("no section [1] in %1: it holds no motor variants").arg(file);
    } else if (const int next = FirstSectionAfter(sections, number)) {
        read.Fault = QStringLiteral("section [%1] is missing in %2: the variants from [%3] on "
                                    "are not read")
                         .arg(SectionName(number), file, SectionName(next));
    }
    return read;
}

TMotorVariants ReadMotorVariants(const QString& FileName) {
    if (const QString fault = DataFileFault(FileName, true); !fault.isEmpty())
        return {{}, fault};
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, EDataFileError(FileName).Message()};
    return ParseMotorVariants(file.readAll(), FileName);
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
