#include "report/MotorTableLayout.h"

namespace {

QString WithDecimalSeparator(QString text, QChar separator) {
    for (QChar& c : text) {
        if (c == QLatin1Char('.') || c == QLatin1Char(','))
            c = separator;
    }
    return text;
}

// Places texts on one page, leaving out empty ones and columns that fall off the page.
class TPageBuilder {
public:
    explicit TPageBuilder(TMotorTablePage& Page) : Page(Page) {}
    void Place(const TPrintFont& Font, int X, int Y, const QString& Text) {
        if (!Text.isEmpty())
            Page.Texts.append({Font, X, Y, Text});
    }

private:
    TMotorTablePage& Page;
};

} // namespace

std::array<int, MotorDataColumnCount> MotorTableTabs(int PageWidth) {
    const std::array<int, MotorDataColumnCount> widths =
        MotorDataColumnWidths(PageWidth - MotorTableLeftTab);
    std::array<int, MotorDataColumnCount> tabs{};
    tabs[0] = MotorTableLeftTab;
    for (int column = 1; column < MotorDataColumnCount; ++column)
        tabs[column] = tabs[column - 1] + widths[column - 1];
    return tabs;
}

QList<TMotorTablePage> LayOutMotorTable(const TMotorTableInput& Input,
                                        const TTextMetrics& Metrics) {
    const std::array<int, MotorDataColumnCount> tabs = MotorTableTabs(Input.PageWidth);
    const QList<TMotorDataCells>& grid = Input.Grid;
    const TMotorDataCells noCells;
    const TMotorDataCells& titles = grid.size() > 0 ? grid[0] : noCells;
    const TMotorDataCells& units = grid.size() > 1 ? grid[1] : noCells;
    const qsizetype lastRow = grid.size() - 1;

    QList<TMotorTablePage> pages;
    qsizetype printed = 1; // the heading rows
    QString carriedModel;
    do {
        TPageBuilder page(pages.emplace_back());
        const auto column = [&](int index, const TPrintFont& font, int y, const QString& text) {
            if (tabs[index] > 0)
                page.Place(font, tabs[index], y, text);
        };

        int h = Metrics.TextHeight(PageNumberFont);
        const QString number = QString::number(pages.size());
        page.Place(PageNumberFont, Input.PageWidth - 5 * Metrics.TextWidth(PageNumberFont, number),
                   h, number);
        int y = 2 * h;

        const int h16 = Metrics.TextHeight(TitleFont);
        const int titleX = (Input.PageWidth - Metrics.TextWidth(TitleFont, Input.Title)) / 2;
        page.Place(TitleFont, titleX, y, Input.Title);
        page.Place(VersionFont, titleX, y + h16, Input.VersionLine);
        y += 3 * h16;

        h = Metrics.TextHeight(HeadingFont);
        for (int index = 0; index < MotorDataColumnCount; ++index) {
            column(index, HeadingFont, y, titles[index]);
            column(index, HeadingFont, y + h, units[index]);
        }
        y += 2 * h + h / 2;

        h = Metrics.TextHeight(RowFont);
        // The first row of a page names its model even when it continues a group.
        QString comparison = carriedModel;
        while (printed < lastRow) {
            const TMotorDataCells& row = grid[++printed];
            for (int index = 1; index < MotorDataColumnCount; ++index)
                column(index, RowFont, y, WithDecimalSeparator(row[index], Input.DecimalSeparator));
            column(0, RowFont, y,
                   WithDecimalSeparator(row[0].isEmpty() ? comparison : row[0],
                                        Input.DecimalSeparator));
            if (!row[0].isEmpty())
                carriedModel = row[0];
            comparison.clear();
            y += h;
            if (y >= Input.PageHeight - 2 * h)
                break;
        }
    } while (printed < lastRow);
    return pages;
}
