#include "ui/VHMMotorData.h"

#include "settings/VersUnit.h"
#include "ui/MainWindow.h"
#include "ui/MotorTablePrinter.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor HeadingGrey(0xE0, 0xE0, 0xE0);
constexpr int GridLineWidth = 2;

// Cells with the grid's lines drawn two pixels wide on their right and lower edges.
class TWideGridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const QRect cell = option.rect;
        painter->fillRect(cell.right() - GridLineWidth + 1, cell.top(), GridLineWidth,
                          cell.height(), Qt::gray);
        painter->fillRect(cell.left(), cell.bottom() - GridLineWidth + 1, cell.width(),
                          GridLineWidth, Qt::gray);
    }
};

} // namespace

TfVHMMotorData::TfVHMMotorData(TfKylvane* Window) : QDialog(Window), Window(Window) {
    setObjectName(QStringLiteral("fVHMMotorData"));
    // A fixed border and only a close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(DesignedSize);

    sgVhmMotorData = new QTableWidget(0, MotorDataColumnCount, this);
    sgVhmMotorData->setObjectName(QStringLiteral("sgVhmMotorData"));
    // The two heading rows stay in place while the variants scroll: the grid keeps them as its
    // first rows, hidden, and its header shows them as two lines.
    QHeaderView* header = sgVhmMotorData->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(QHeaderView::Fixed);
    QPalette palette = header->palette();
    palette.setColor(QPalette::Button, HeadingGrey);
    palette.setColor(QPalette::Window, HeadingGrey);
    header->setPalette(palette);
    sgVhmMotorData->verticalHeader()->hide();
    sgVhmMotorData->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    sgVhmMotorData->setShowGrid(false);
    sgVhmMotorData->setItemDelegate(new TWideGridDelegate(sgVhmMotorData));
    sgVhmMotorData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgVhmMotorData->setSelectionMode(QAbstractItemView::NoSelection);
    lbMotorDataFault = new QLabel(this);
    lbMotorDataFault->setObjectName(QStringLiteral("lbMotorDataFault"));
    lbMotorDataFault->setWordWrap(true);
    lbMotorDataFault->setTextFormat(Qt::PlainText);
    QPalette faultPalette = lbMotorDataFault->palette();
    faultPalette.setColor(QPalette::WindowText, Qt::red);
    lbMotorDataFault->setPalette(faultPalette);
    lbMotorDataFault->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(lbMotorDataFault);
    layout->addWidget(sgVhmMotorData);

    bbPrintMotorData = new QPushButton(sgVhmMotorData);
    bbPrintMotorData->setObjectName(QStringLiteral("bbPrintMotorData"));
    bbPrintMotorData->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    bbPrintMotorData->setText(QStringLiteral("Print"));
    connect(bbPrintMotorData, &QPushButton::clicked, this, &TfVHMMotorData::PrintClick);
}

void TfVHMMotorData::ShowModal(const TMotorDataGrid& Grid) {
    FillMotorData(Grid);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
}

void TfVHMMotorData::FillMotorData(const TMotorDataGrid& Grid) {
    setWindowTitle(MotorDataCaption);
    const QList<TMotorDataCells>& rows = Grid.Rows;
    lbMotorDataFault->setText(Grid.Fault);
    lbMotorDataFault->setVisible(!Grid.Fault.isEmpty());
    // A file that gave no variant is told instead of an empty table.
    sgVhmMotorData->setVisible(Grid.Fault.isEmpty() || rows.size() > MotorDataHeadingRows);
    // The grid has its designed width before the window is first shown.
    layout()->activate();
    SetColumnWidths();
    sgVhmMotorData->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < MotorDataColumnCount; ++column) {
            auto* item = new QTableWidgetItem(rows[row][column]);
            if (row < MotorDataHeadingRows)
                item->setBackground(HeadingGrey);
            sgVhmMotorData->setItem(row, column, item);
        }
    }
    QStringList headings;
    for (int column = 0; column < MotorDataColumnCount; ++column)
        headings.append(rows.value(0)[column] + QLatin1Char('\n') + rows.value(1)[column]);
    sgVhmMotorData->setHorizontalHeaderLabels(headings);
    for (int row = 0; row < MotorDataHeadingRows; ++row)
        sgVhmMotorData->setRowHidden(row, true);
    PlacePrintButton();
}

void TfVHMMotorData::SetColumnWidths() {
    const std::array<int, MotorDataColumnCount> widths =
        MotorDataColumnWidths(sgVhmMotorData->width());
    for (int column = 0; column < MotorDataColumnCount; ++column)
        sgVhmMotorData->setColumnWidth(column, widths[column]);
}

void TfVHMMotorData::PlacePrintButton() {
    // Over the first column of the unit line, which stays empty for it.
    // The header takes its two lines' height when it is next laid out; it is measured here.
    const QHeaderView* header = sgVhmMotorData->horizontalHeader();
    const int height = header->sizeHint().height();
    bbPrintMotorData->setGeometry(header->x() + header->sectionViewportPosition(0),
                                  header->y() + height / 2, sgVhmMotorData->columnWidth(0),
                                  height - height / 2);
    bbPrintMotorData->raise();
    bbPrintMotorData->show();
}

QList<TMotorDataCells> TfVHMMotorData::GridRows() const {
    QList<TMotorDataCells> rows;
    for (int row = 0; row < sgVhmMotorData->rowCount(); ++row) {
        TMotorDataCells cells;
        for (int column = 0; column < MotorDataColumnCount; ++column) {
            if (const QTableWidgetItem* item = sgVhmMotorData->item(row, column))
                cells[column] = item->text();
        }
        rows.append(cells);
    }
    return rows;
}

void TfVHMMotorData::PrintClick() {
    PrintMotorTable(GridRows(), Window->VersUnit ? Window->VersUnit->GetVersion() : QString(),
                    Window->Edition(), Window->MessageService());
}
