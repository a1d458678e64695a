#include "ui/FCategory.h"

#include "ui/controls/AlignLayout.h"
#include "ui/controls/Button.h"
#include "ui/controls/Edit.h"
#include "ui/controls/OwnedBy.h"
#include "ui/controls/StdLabel.h"

TfrmCategory::TfrmCategory(const TskMessageBox& messages, QWidget* parent)
    : TEntryDialog(QStringLiteral("Add category"), QSize(330, 80), "A valid category name is required!",
                   messages, parent) {
  setObjectName(QStringLiteral("frmCategory"));
  skStdLabel1 = OwnedBy<TskStdLabel>(this, QStringLiteral("Category Name:"));
  Layout()->AddPlaced(skStdLabel1, QRect(8, 14, 0, 0), {}, TAutoSize::KeepLeft);
  Layout()->AddPlaced(edtName, QRect(90, 14, 215, 18));
  PlaceButtons(QRect(90, 42, 93, 20), QRect(187, 42, 93, 20));
  SetFocusOrder({skButton1, skButton2, edtName});
}
