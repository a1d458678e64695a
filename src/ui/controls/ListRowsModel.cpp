#include "ui/controls/ListRowsModel.h"

void TListRowsModel::AddColumn(const QString& caption) {
  beginInsertColumns(QModelIndex(), ColumnCount(), ColumnCount());
  captions_.push_back(caption);
  endInsertColumns();
}

void TListRowsModel::ReplaceRows(std::vector<TListRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

void TListRowsModel::RemoveRow(int row) {
  beginRemoveRows(QModelIndex(), row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

void TListRowsModel::RowChanged(int row) {
  emit dataChanged(index(row, 0), index(row, ColumnCount() - 1));
}

int TListRowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TListRowsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount();
}

QVariant TListRowsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  const TListRow& row = rows_[static_cast<size_t>(index.row())];
  if (role == Qt::DisplayRole) {
    if (index.column() == 0) return row.caption;
    const int sub_item = index.column() - 1;
    return sub_item < row.sub_items.size() ? row.sub_items[sub_item] : QString();
  }
  if (role == Qt::CheckStateRole && checkboxes_ && index.column() == 0)
    return row.checked ? Qt::Checked : Qt::Unchecked;
  return {};
}

bool TListRowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !checkboxes_ || index.column() != 0 || !index.isValid()) return false;
  TListRow& row = rows_[static_cast<size_t>(index.row())];
  const bool checked = value.toInt() == Qt::Checked;
  if (row.checked == checked) return true;
  row.checked = checked;
  RowChanged(index.row());
  emit CheckToggled(index.row());
  return true;
}

Qt::ItemFlags TListRowsModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (checkboxes_ && index.column() == 0) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

QVariant TListRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount())
    return {};
  return captions_[static_cast<size_t>(section)];
}
