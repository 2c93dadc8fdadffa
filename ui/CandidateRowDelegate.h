#pragma once

#include <QStyledItemDelegate>

// Draws the cells of a candidate that cannot remove the cooling required below the max. inlet
// oil temperature, so that the shortfall shows in the grid at a glance: dark red text on white,
// and while the row is selected white text on red, cross-hatched. Other cells are drawn the grid's
// standard way.
class TCandidateRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
