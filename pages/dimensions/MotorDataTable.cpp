#include "pages/dimensions/MotorDataTable.h"

#include "core/RegionalSettings.h"
#include "units/NumericText.h"

QList<TMotorDataCells> MotorDataGridRows(const QList<TMotorDataCells>& Variants, bool USEdition) {
    TMotorDataCells titles;
    TMotorDataCells units;
    for (int column = 0; column < MotorDataColumnCount; ++column) {
        const TMotorDataColumn& heading = MotorDataColumns[column];
        titles[column] = QString::fromUtf8(heading.Title);
        units[column] = QString::fromUtf8(USEdition ? heading.UnitUS : heading.UnitEuropean);
    }
    QList<TMotorDataCells> rows{titles, units};

    QString previousModel;
    for (const TMotorDataCells& variant : Variants) {
        TMotorDataCells row;
        for (int column = 1; column < MotorDataColumnCount; ++column)
            row[column] = DeciPointToDeciComa(variant[column]);
        if (variant[0] != previousModel) {
            row[0] = DeciPointToDeciComa(variant[0]);
            previousModel = variant[0];
        }
        rows.append(row);
    }
    return rows;
}

TMotorDataGrid InstalledMotorDataGrid(const QString& IniFilePath, TEdition Edition) {
    const TMotorVariants read = ReadMotorVariants(IniFilePath + MotorDataFileName);
    return {MotorDataGridRows(read.Variants, Edition == TEdition::US), read.Fault};
}

QString MotorDataVersionLine(const QString& Version, const QDate& Today) {
    return Version + QStringLiteral("   (") + Today.toString(Regional().ShortDateFormat) +
           QLatin1Char(')');
}
