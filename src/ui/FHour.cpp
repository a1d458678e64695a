#include "ui/FHour.h"

#include <QKeyEvent>

#include "ui/controls/AlignLayout.h"
#include "ui/controls/Button.h"
#include "ui/controls/Edit.h"
#include "ui/controls/OwnedBy.h"
#include "ui/controls/StdLabel.h"

TfrmHour::TfrmHour(const TskMessageBox& messages, QWidget* parent)
    : TEntryDialog(QStringLiteral("Edit action"), QSize(330, 114), "A valid action is required!", messages,
                   parent) {
  setObjectName(QStringLiteral("frmHour"));
  skStdLabel2 = OwnedBy<TskStdLabel>(this, QStringLiteral("Day:"));
  skStdLabel2->setObjectName(QStringLiteral("skStdLabel2"));
  skStdLabel3 = OwnedBy<TskStdLabel>(this, QStringLiteral("Hour:"));
  skStdLabel3->setObjectName(QStringLiteral("skStdLabel3"));
  skStdLabel1 = OwnedBy<TskStdLabel>(this, QStringLiteral("Action:"));
  Layout()->AddPlaced(skStdLabel2, QRect(48, 14, 0, 0), {}, TAutoSize::KeepLeft);
  Layout()->AddPlaced(skStdLabel3, QRect(168, 14, 0, 0), {}, TAutoSize::KeepLeft);
  Layout()->AddPlaced(skStdLabel1, QRect(8, 42, 0, 0), {}, TAutoSize::KeepLeft);
  Layout()->AddPlaced(edtName, QRect(48, 42, 257, 18));
  PlaceButtons(QRect(90, 70, 93, 20), QRect(187, 70, 93, 20));
  SetFocusOrder({skButton1, skButton2, edtName});
  edtName->installEventFilter(this);
}

void TfrmHour::edtNameKeyDown(int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) skButton1Click();
}

bool TfrmHour::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edtName && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    edtNameKeyDown(key);
    // Enter has been answered here; the dialog must not see it again.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  }
  return TEntryDialog::eventFilter(watched, event);
}
