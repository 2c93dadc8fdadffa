#include "pages/selection/CandidateTableModel.h"

void TCandidateTableModel::SetRows(const QList<TSampleRow>& rows) {
    beginResetModel();
    Rows = rows;
    endResetModel();
}

int TCandidateTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || Rows.isEmpty() ? 0 : static_cast<int>(Rows.size()) - 1;
}

int TCandidateTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || Rows.isEmpty() ? 0 : SampleColumnCount;
}

QVariant TCandidateTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const TSampleRow& row = Rows[index.row() + 1];
    if (role == Qt::DisplayRole)
        return row.Cells[static_cast<std::size_t>(index.column())];
    if (role == UndersizedRole)
        return row.Undersized;
    return {};
}

QVariant TCandidateTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return {};
    return Rows.first().Cells[static_cast<std::size_t>(section)];
}

Qt::ItemFlags TCandidateTableModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
