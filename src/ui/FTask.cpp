#include "ui/FTask.h"

#include "ui/controls/AlignLayout.h"
#include "ui/controls/Button.h"
#include "ui/controls/DateEdit.h"
#include "ui/controls/Edit.h"
#include "ui/controls/OwnedBy.h"
#include "ui/controls/Panel.h"
#include "ui/controls/StdLabel.h"

TfrmTask::TfrmTask(const TskMessageBox& messages, QWidget* parent)
    : TEntryDialog(QStringLiteral("Task details"), QSize(451, 261), "A valid task description is required!",
                   messages, parent) {
  setObjectName(QStringLiteral("frmTask"));
  skStdLabel1 = OwnedBy<TskStdLabel>(this, QStringLiteral("Description:"));
  skStdLabel2 = OwnedBy<TskStdLabel>(this, QStringLiteral("Notes:"));
  skPanel1 = OwnedBy<TskPanel>(this, TPanelBorder::None);
  memNotes = OwnedBy<TskMemo>(skPanel1);
  memNotes->setObjectName(QStringLiteral("memNotes"));
  OwnedBy<TAlignLayout>(skPanel1, QSize(423, 121))->AddDocked(memNotes, TAlign::Client);
  skStdLabel3 = OwnedBy<TskStdLabel>(this, QStringLiteral("Start date:"));
  edtStartDate = OwnedBy<TskDateEdit>(this);
  edtStartDate->setObjectName(QStringLiteral("edtStartDate"));
  skStdLabel4 = OwnedBy<TskStdLabel>(this, QStringLiteral("End date:"));
  edtEndDate = OwnedBy<TskDateEdit>(this);
  edtEndDate->setObjectName(QStringLiteral("edtEndDate"));
  chkDone = OwnedBy<TskCheckBox>(this, QStringLiteral("Task is done"));
  chkDone->setObjectName(QStringLiteral("chkDone"));

  TAlignLayout* layout = Layout();
  layout->AddPlaced(skStdLabel1, QRect(12, 14, 0, 0), {}, TAutoSize::KeepLeft);
  layout->AddPlaced(edtName, QRect(73, 16, 360, 18));
  layout->AddPlaced(skStdLabel2, QRect(13, 41, 0, 0), {}, TAutoSize::KeepLeft);
  layout->AddPlaced(skPanel1, QRect(11, 60, 423, 121));
  layout->AddPlaced(skStdLabel3, QRect(12, 195, 0, 0), {}, TAutoSize::KeepLeft);
  layout->AddPlaced(edtStartDate, QRect(66, 192, 120, 18));
  layout->AddPlaced(skStdLabel4, QRect(222, 195, 0, 0), {}, TAutoSize::KeepLeft);
  layout->AddPlaced(edtEndDate, QRect(276, 192, 120, 18));
  layout->AddPlaced(chkDone, QRect(11, 219, 118, 25));
  PlaceButtons(QRect(142, 221, 93, 20), QRect(239, 221, 93, 20));
  SetFocusOrder({edtName, skButton1, skButton2, memNotes, chkDone, edtStartDate, edtEndDate});
}
