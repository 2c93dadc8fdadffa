#include "pages/dimensions/MotorDataTable.h"

#include "core/RegionalSettings.h"

#include <gtest/gtest.h>

namespace {

TMotorDataCells Variant(const QString& model, const QString& flow = QString()) {
    TMotorDataCells cells;
    cells[0] = model;
    cells[1] = QStringLiteral("1500");
    cells[5] = flow;
    return cells;
}

TEST(MotorDataGrid, ModelIsNamedOnTheFirstRowOfItsGroupOnly) {
    const QList<TMotorDataCells> rows = MotorDataGridRows(
        {Variant("A"), Variant("A"), Variant("B"), Variant("B"), Variant("B")}, false);
    ASSERT_EQ(rows.size(), 7);
    QStringList models;
    for (qsizetype row = MotorDataHeadingRows; row < rows.size(); ++row)
        models.append(rows[row][0]);
    EXPECT_EQ(models, (QStringList{"A", "", "B", "", ""}));
    // Every other column is filled on every row.
    EXPECT_EQ(rows[6][1], "1500");
}

struct TEditionCase {
    const char* Name;
    bool USEdition;
    std::array<const char*, MotorDataColumnCount> Units;
};

class MotorDataHeadings : public testing::TestWithParam<TEditionCase> {};

TEST_P(MotorDataHeadings, TitlesThenTheEditionsUnits) {
    const QList<TMotorDataCells> rows = MotorDataGridRows({}, GetParam().USEdition);
    ASSERT_EQ(rows.size(), MotorDataHeadingRows);
    EXPECT_EQ(rows[0], (TMotorDataCells{"Cooler type", "Speed", "Fan power", "Motor size",
                                        "Pressure", "Flow", "Connection", "Drain"}));
    for (int column = 0; column < MotorDataColumnCount; ++column)
        EXPECT_EQ(rows[1][column], QString::fromUtf8(GetParam().Units[column])) << column;
}

INSTANTIATE_TEST_SUITE_P(Editions, MotorDataHeadings,
                         testing::Values(TEditionCase{"European",
                                                      false,
                                                      {"", "[rpm]", "[kW]", "[cm³/rev]", "[bar]",
                                                       "[l/min]", "IN/OUT", "connection"}},
                                         TEditionCase{"US",
                                                      true,
                                                      {"", "[rpm]", "[HP]", "[cm³/rev]", "[psi]",
                                                       "[gpm]", "IN/OUT", "connection"}}),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TSeparatorCase {
    char Separator;
    const char* Written;
    const char* Shown;
};

class MotorDataDecimals : public testing::TestWithParam<TSeparatorCase> {};

TEST_P(MotorDataDecimals, ShowTheRegionalSeparatorAndNoConversion) {
    const TScopedRegionalSettings regional(QLatin1Char(GetParam().Separator));
    const QList<TMotorDataCells> rows =
        MotorDataGridRows({Variant("KVHM 400-1200", GetParam().Written)}, true);
    EXPECT_EQ(rows[2][5], GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(Values, MotorDataDecimals,
                         testing::Values(TSeparatorCase{'.', "1,5", "1.5"},
                                         TSeparatorCase{'.', "1.5", "1.5"},
                                         TSeparatorCase{',', "1.5", "1,5"},
                                         TSeparatorCase{'.', "G 1/2\"", "G 1/2\""}));

TEST(MotorDataGrid, VersionLineCarriesTheRegionalShortDate) {
    TRegionalSettings settings;
    settings.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    const TScopedRegionalSettings regional(settings);
    EXPECT_EQ(MotorDataVersionLine("Version 2.03", QDate(2026, 12, 10)),
              "Version 2.03   (10.12.2026)");
}

} // namespace
