#pragma once

#include "engine/MotorVariants.h"

#include <QChar>
#include <QList>
#include <QString>

#include <array>

// The printed hydraulic-motor table laid out page by page, as a pure function of the grid, the
// page size and the font metrics. All coordinates are device units of the page; a text is
// placed by its top-left corner. The printer and the PDF writer only draw what this returns.

struct TPrintFont {
    QString Family;
    int PointSize = 0;
    bool Bold = false;
    bool operator==(const TPrintFont&) const = default;
};

inline const TPrintFont PageNumberFont{QStringLiteral("Arial"), 8, false};
inline const TPrintFont TitleFont{QStringLiteral("Arial"), 16, true};
inline const TPrintFont VersionFont{QStringLiteral("Arial"), 7, false};
inline const TPrintFont HeadingFont{QStringLiteral("Arial"), 10, true};
inline const TPrintFont RowFont{QStringLiteral("Times New Roman"), 11, false};

// The sizes of texts in a font on the page being printed.
class TTextMetrics {
public:
    virtual ~TTextMetrics() = default;
    // The height of a line of text ("A") in the font.
    virtual int TextHeight(const TPrintFont& Font) const = 0;
    virtual int TextWidth(const TPrintFont& Font, const QString& Text) const = 0;
};

struct TPlacedText {
    TPrintFont Font;
    int X = 0;
    int Y = 0; // top of the text
    QString Text;
    bool operator==(const TPlacedText&) const = default;
};

struct TMotorTablePage {
    QList<TPlacedText> Texts;
};

struct TMotorTableInput {
    // The grid as the window shows it: the two heading rows, then the variants, the model name
    // on the first row of each group only.
    QList<TMotorDataCells> Grid;
    int PageWidth = 0;
    int PageHeight = 0;
    QString Title;
    // The version and the date, printed small under the title.
    QString VersionLine;
    QChar DecimalSeparator = QLatin1Char('.');
};

// The left margin of the table and its first column.
constexpr int MotorTableLeftTab = 250;

// The x position of each column on a page `PageWidth` units wide.
std::array<int, MotorDataColumnCount> MotorTableTabs(int PageWidth);

// The pages: each with its number, the title and version line, the headings and as many rows
// as fit. A model whose variants run over a page break is named again on the next page's
// first row. A grid without variants gives one page without rows.
QList<TMotorTablePage> LayOutMotorTable(const TMotorTableInput& Input, const TTextMetrics& Metrics);
