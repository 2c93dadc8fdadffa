#include "ui/CandidateRowDelegate.h"

#include "pages/selection/CandidateTableModel.h"
#include "pages/selection/SelectionView.h"

#include <QPainter>

void TCandidateRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    if (!index.data(TCandidateTableModel::UndersizedRole).toBool()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QColor red = QColor::fromRgb(clRed);
    const QColor darkRed = QColor::fromRgb(clDarkRed);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    if (selected) {
        painter->fillRect(option.rect, red);
        // The hatch in the darker red keeps white text readable on it.
        painter->fillRect(option.rect, QBrush(darkRed, Qt::DiagCrossPattern));
    } else {
        painter->fillRect(option.rect, Qt::white);
    }
    painter->setPen(selected ? QColor(Qt::white) : darkRed);
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}
