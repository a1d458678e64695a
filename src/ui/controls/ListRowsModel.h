#pragma once
#include <QAbstractTableModel>
#include <vector>

#include "ui/controls/ListView.h"

// The rows of a TskListView, as the view reads them.
class TListRowsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TListRowsModel(bool checkboxes) : checkboxes_(checkboxes) {}

  void AddColumn(const QString& caption);
  int ColumnCount() const { return static_cast<int>(captions_.size()); }

  std::vector<TListRow>& Rows() { return rows_; }
  void ReplaceRows(std::vector<TListRow> rows);
  void RemoveRow(int row);
  void RowChanged(int row);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  void CheckToggled(int row);

 private:
  bool checkboxes_;
  std::vector<QString> captions_;
  std::vector<TListRow> rows_;
};
