#include "report/MotorTableLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Metrics that tell the fonts apart: a line is ten units per point (bold one more), a
// character five units per point.
class TFakeMetrics : public TTextMetrics {
public:
    int TextHeight(const TPrintFont& Font) const override {
        return Font.PointSize * 10 + (Font.Bold ? 1 : 0);
    }
    int TextWidth(const TPrintFont& Font, const QString& Text) const override {
        return static_cast<int>(Text.size()) * Font.PointSize * 5;
    }
};

const TFakeMetrics Metrics;
const int H8 = Metrics.TextHeight(PageNumberFont);
const int H16 = Metrics.TextHeight(TitleFont);
const int H10 = Metrics.TextHeight(HeadingFont);
const int H11 = Metrics.TextHeight(RowFont);
// Where the first row of every page stands.
const int FirstRowY = 2 * H8 + 3 * H16 + 2 * H10 + H10 / 2;

TMotorDataCells Row(const QString& model, const QString& speed) {
    TMotorDataCells cells;
    cells[0] = model;
    cells[1] = speed;
    return cells;
}

TMotorTableInput Input(const QList<TMotorDataCells>& variants, int pageHeight = 7000) {
    TMotorTableInput input;
    TMotorDataCells titles;
    TMotorDataCells units;
    for (int column = 0; column < MotorDataColumnCount; ++column) {
        titles[column] = QStringLiteral("T%1").arg(column);
        units[column] = QStringLiteral("U%1").arg(column);
    }
    input.Grid = {titles, units};
    input.Grid += variants;
    input.PageWidth = 4961;
    input.PageHeight = pageHeight;
    input.Title = QStringLiteral("VHM Motor Data");
    input.VersionLine = QStringLiteral("Version 2.03   (2026-12-10)");
    return input;
}

// The texts placed in a font, in placing order.
QList<TPlacedText> InFont(const TMotorTablePage& page, const TPrintFont& font) {
    QList<TPlacedText> texts;
    std::copy_if(page.Texts.cbegin(), page.Texts.cend(), std::back_inserter(texts),
                 [&](const TPlacedText& text) { return text.Font == font; });
    return texts;
}

TEST(MotorTableTabs, StartAtTheMarginAndAddTheColumnsShares) {
    // A4 at 600 dpi: 4961 units wide, 4711 of them shared out.
    EXPECT_EQ(MotorTableTabs(4961), (std::array<int, MotorDataColumnCount>{
                                        250, 910, 1381, 1946, 2464, 3029, 3594, 4206}));
}

TEST(MotorTableLayout, PageNumberTitleVersionAndHeadingsStandWhereTheirFontsPutThem) {
    const QList<TMotorTablePage> pages = LayOutMotorTable(Input({}), Metrics);
    ASSERT_EQ(pages.size(), 1);
    const TMotorTablePage& page = pages[0];

    const QList<TPlacedText> number = InFont(page, PageNumberFont);
    ASSERT_EQ(number.size(), 1);
    EXPECT_EQ(number[0], (TPlacedText{PageNumberFont, 4961 - 5 * 40, H8, "1"}));

    const int titleX = (4961 - 14 * 80) / 2;
    EXPECT_EQ(InFont(page, TitleFont),
              (QList<TPlacedText>{{TitleFont, titleX, 2 * H8, "VHM Motor Data"}}));
    EXPECT_EQ(InFont(page, VersionFont), (QList<TPlacedText>{{VersionFont, titleX, 2 * H8 + H16,
                                                              "Version 2.03   (2026-12-10)"}}));

    const QList<TPlacedText> headings = InFont(page, HeadingFont);
    ASSERT_EQ(headings.size(), 2 * MotorDataColumnCount);
    const int headingY = 2 * H8 + 3 * H16;
    const std::array<int, MotorDataColumnCount> tabs = MotorTableTabs(4961);
    for (int column = 0; column < MotorDataColumnCount; ++column) {
        EXPECT_EQ(headings[2 * column], (TPlacedText{HeadingFont, tabs[column], headingY,
                                                     QStringLiteral("T%1").arg(column)}));
        EXPECT_EQ(headings[2 * column + 1], (TPlacedText{HeadingFont, tabs[column], headingY + H10,
                                                         QStringLiteral("U%1").arg(column)}));
    }
    EXPECT_TRUE(InFont(page, RowFont).isEmpty());
}

TEST(MotorTableLayout, RowsFollowEachOtherAtTheRowFontsHeight) {
    const QList<TMotorTablePage> pages =
        LayOutMotorTable(Input({Row("A", "1200"), Row("", "1500")}), Metrics);
    ASSERT_EQ(pages.size(), 1);
    const std::array<int, MotorDataColumnCount> tabs = MotorTableTabs(4961);
    EXPECT_EQ(InFont(pages[0], RowFont),
              (QList<TPlacedText>{{RowFont, tabs[1], FirstRowY, "1200"},
                                  {RowFont, tabs[0], FirstRowY, "A"},
                                  {RowFont, tabs[1], FirstRowY + H11, "1500"}}));
}

TEST(MotorTableLayout, PageBreakInsideAGroupNamesTheModelAgain) {
    // Room for exactly three rows: the page ends once a row reaches the page height less two
    // rows.
    const int height = FirstRowY + 3 * H11 + 2 * H11;
    QList<TMotorDataCells> variants{Row("A", "1"), Row("", "2"),  Row("B", "3"), Row("", "4"),
                                    Row("", "5"),  Row("C", "6"), Row("", "7")};
    const QList<TMotorTablePage> pages = LayOutMotorTable(Input(variants, height), Metrics);
    ASSERT_EQ(pages.size(), 3);

    const auto models = [](const TMotorTablePage& page) {
        QStringList shown;
        for (const TPlacedText& text : InFont(page, RowFont))
            if (text.X == MotorTableLeftTab)
                shown.append(text.Text + QLatin1Char('@') +
                             QString::number((text.Y - FirstRowY) / H11));
        return shown;
    };
    EXPECT_EQ(models(pages[0]), (QStringList{"A@0", "B@2"}));
    EXPECT_EQ(models(pages[1]), (QStringList{"B@0", "C@2"}));
    EXPECT_EQ(models(pages[2]), (QStringList{"C@0"}));
    for (int page = 0; page < pages.size(); ++page) {
        EXPECT_EQ(InFont(pages[page], PageNumberFont)[0].Text, QString::number(page + 1));
        EXPECT_EQ(InFont(pages[page], TitleFont).size(), 1);
        EXPECT_EQ(InFont(pages[page], HeadingFont).size(), 2 * MotorDataColumnCount);
    }
}

TEST(MotorTableLayout, AtLeastOneRowOnAPageTooShortForAny) {
    const QList<TMotorTablePage> pages =
        LayOutMotorTable(Input({Row("A", "1"), Row("", "2")}, 10), Metrics);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(InFont(pages[1], RowFont).first().Text, "2");
}

TEST(MotorTableLayout, DecimalSignsArePrintedRegional) {
    TMotorTableInput input = Input({Row("A", "1,5")});
    input.DecimalSeparator = QLatin1Char('.');
    EXPECT_EQ(InFont(LayOutMotorTable(input, Metrics)[0], RowFont)[0].Text, "1.5");
}

TEST(MotorTableLayout, ColumnsBeyondTheLeftEdgeAreLeftOut) {
    TMotorTableInput input = Input({Row("A", "1")});
    input.PageWidth = -1000; // negative shares: the tabs run back past the left edge
    const QList<TPlacedText> headings = InFont(LayOutMotorTable(input, Metrics)[0], HeadingFont);
    EXPECT_EQ(headings.size(), 2 * 2);
    for (const TPlacedText& text : headings)
        EXPECT_GT(text.X, 0) << text.Text.toStdString();
}

} // namespace
