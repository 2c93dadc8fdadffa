#include "pages/dimensions/HeadlessDimensionsView.h"

void THeadlessDimensionsView::SetModelIndex(int index) {
    // A list picks nothing for a position outside its items, as a drop-down list does.
    Index = index >= 0 && index < ModelItems.size() ? index : -1;
}

void THeadlessDimensionsView::SetModelItems(const QStringList& items) {
    ModelItems = items;
    Index = -1;
}

void THeadlessDimensionsView::SetLineText(TDimensionLine line, const QString& text) {
    Lines.at(static_cast<int>(line)) = text;
}

QString THeadlessDimensionsView::LineText(TDimensionLine line) const {
    return Lines.at(static_cast<int>(line));
}

void THeadlessDimensionsView::SetNoteTexts(const QString& first, const QString& second) {
    Notes = {first, second};
}

bool THeadlessDimensionsView::OpenDocument(const QString& fileName) {
    OpenedDocuments.append(fileName);
    return DesktopAccepts;
}

void THeadlessDimensionsView::ShowMotorData(const TMotorDataGrid& Grid) {
    ++MotorDataShown;
    MotorData = Grid;
}
