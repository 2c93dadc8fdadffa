#pragma once

#include "pages/selection/SelectionView.h"

#include <QAbstractTableModel>
#include <QList>

// The candidates of a sizing as the grid lists them: one row per candidate, the columns of
// TSampleRow, the header from the rows' first entry. The texts are the page's formatting of
// the result; how wide a column is drawn is the grid's business.
class TCandidateTableModel : public QAbstractTableModel {
public:
    // Marks each cell of a candidate that cannot remove the cooling required below the max.
    // inlet oil temperature.
    static constexpr int UndersizedRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    // `rows[0]` is the header; no rows, or the header alone, lists no candidate.
    void SetRows(const QList<TSampleRow>& rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    // No columns before the first candidates: a header measures its sections in bold type, and
    // loading that face would lengthen every start of the program.
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QList<TSampleRow> Rows;
};
