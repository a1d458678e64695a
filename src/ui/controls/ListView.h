#pragma once
#include <QString>
#include <QStringList>
#include <QTreeView>
#include <memory>
#include <vector>

// One row of a report-style list: its caption (first column), its check box
// and the texts of the other columns.
struct TListRow {
  QString caption;
  bool checked = false;
  QStringList sub_items;
};

class TListRowsModel;

// A report-style list: columns with captions, grid lines, whole-row
// selection that stays visible without focus, nothing edited in place, and
// optionally a check box in front of every row (skin element "listview",
// its header "resizebutton"). The row that shows the keyboard focus is
// always the selected row, so that a command acts on the row the user sees. Rows are replaced whole, so that a list of
// many thousand rows fills at once.
class TskListView : public QTreeView {
  Q_OBJECT
 public:
  enum class Checkboxes { Off, On };
  TskListView(Checkboxes checkboxes, QWidget* parent);
  ~TskListView() override;

  static constexpr int kAutoSize = -1;
  // Appends a column; kAutoSize columns share what the fixed ones leave.
  void AddColumn(const QString& caption, int width);

  int RowCount() const;
  void SetRows(std::vector<TListRow> rows);
  void ClearRows();
  void DeleteRow(int row);
  const TListRow& Row(int row) const;
  void SetSubItem(int row, int sub_item, const QString& text);
  bool Checked(int row) const;
  void SetChecked(int row, bool checked);

  // The selected row, or -1.
  int SelectedRow() const;
  void SelectRow(int row);

 signals:
  // The row's state changed: its check box, or whether it is selected.
  void ItemChanged(int row);
  void DblClick();
  // A key went down in the list; set `handled` to keep it from the list.
  void KeyDown(int key, bool* handled);

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  std::unique_ptr<TListRowsModel> model_;
};
