#include "ui/controls/ListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "ui/controls/ListRowsModel.h"
#include "ui/controls/OwnedBy.h"
#include "ui/controls/SkinName.h"

namespace {

// Draws the grid lines along the right and bottom edge of every cell.
class TGridDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Midlight));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->restore();
  }
};

}  // namespace

TskListView::TskListView(Checkboxes checkboxes, QWidget* parent)
    : QTreeView(parent), model_(std::make_unique<TListRowsModel>(checkboxes == Checkboxes::On)) {
  SetSkinDataName(this, "listview");
  SetSkinDataName(header(), "resizebutton");
  setFont(ArialPixels(14));
  setModel(model_.get());
  setItemDelegate(OwnedBy<TGridDelegate>(this));
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  header()->setSectionsClickable(false);
  header()->setSectionsMovable(false);
  header()->setStretchLastSection(false);
  // The selection stays as visible when the list loses the focus.
  QPalette colours = palette();
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   colours.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(colours);
  connect(model_.get(), &TListRowsModel::CheckToggled, this, &TskListView::ItemChanged);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected, const QItemSelection& deselected) {
            for (const QModelIndex& index : deselected.indexes())
              if (index.column() == 0) emit ItemChanged(index.row());
            for (const QModelIndex& index : selected.indexes())
              if (index.column() == 0) emit ItemChanged(index.row());
            // A row unselected by Ctrl+click or Ctrl+Space shows no focus either.
            if (!selectionModel()->hasSelection() && currentIndex().isValid())
              selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
          });
}

TskListView::~TskListView() { setModel(nullptr); }

void TskListView::AddColumn(const QString& caption, int width) {
  model_->AddColumn(caption);
  const int column = model_->ColumnCount() - 1;
  if (width == kAutoSize) {
    header()->setSectionResizeMode(column, QHeaderView::Stretch);
  } else {
    header()->setSectionResizeMode(column, QHeaderView::Interactive);
    header()->resizeSection(column, width);
  }
}

int TskListView::RowCount() const { return static_cast<int>(model_->Rows().size()); }

void TskListView::SetRows(std::vector<TListRow> rows) { model_->ReplaceRows(std::move(rows)); }

void TskListView::ClearRows() { model_->ReplaceRows({}); }

void TskListView::DeleteRow(int row) { model_->RemoveRow(row); }

const TListRow& TskListView::Row(int row) const { return model_->Rows().at(static_cast<size_t>(row)); }

void TskListView::SetSubItem(int row, int sub_item, const QString& text) {
  TListRow& entry = model_->Rows().at(static_cast<size_t>(row));
  while (entry.sub_items.size() <= sub_item) entry.sub_items.append(QString());
  if (entry.sub_items[sub_item] == text) return;
  entry.sub_items[sub_item] = text;
  model_->RowChanged(row);
}

bool TskListView::Checked(int row) const { return Row(row).checked; }

void TskListView::SetChecked(int row, bool checked) {
  model_->setData(model_->index(row, 0), checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

int TskListView::SelectedRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void TskListView::SelectRow(int row) {
  const QModelIndex index = model_->index(row, 0);
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
}

void TskListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTreeView::currentChanged(current, previous);
  // Ctrl with the arrow keys, the focus arriving by Tab and a removed row
  // move the focus without selecting; the selection follows it here.
  if (current.isValid() && !selectionModel()->isRowSelected(current.row(), QModelIndex()))
    selectionModel()->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TskListView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeView::mouseDoubleClickEvent(event);
  emit DblClick();
}

void TskListView::keyPressEvent(QKeyEvent* event) {
  bool handled = false;
  emit KeyDown(event->key(), &handled);
  if (handled) return;
  // The space bar ticks the selected row, whichever column has the focus.
  if (event->key() == Qt::Key_Space && model_->flags(model_->index(0, 0)) & Qt::ItemIsUserCheckable &&
      SelectedRow() >= 0) {
    SetChecked(SelectedRow(), !Checked(SelectedRow()));
    return;
  }
  QTreeView::keyPressEvent(event);
}
