#include "ui/FNewProject.h"

#include "ui/QtText.h"
#include "ui/controls/AlignLayout.h"
#include "ui/controls/Button.h"
#include "ui/controls/DateEdit.h"
#include "ui/controls/Edit.h"
#include "ui/controls/OwnedBy.h"
#include "ui/controls/StdLabel.h"

TfrmCreateProject::TfrmCreateProject(const TTextList& categories, const TskMessageBox& messages,
                                     QWidget* parent)
    : TEntryDialog(QStringLiteral("Create new project"), QSize(415, 147), "A valid project name is required!",
                   messages, parent) {
  setObjectName(QStringLiteral("frmCreateProject"));
  skStdLabel1 = OwnedBy<TskStdLabel>(this, QStringLiteral("Project Name:"));
  skStdLabel3 = OwnedBy<TskStdLabel>(this, QStringLiteral("Start date:"));
  edtStartDate = OwnedBy<TskDateEdit>(this);
  edtStartDate->setObjectName(QStringLiteral("edtStartDate"));
  skStdLabel4 = OwnedBy<TskStdLabel>(this, QStringLiteral("End date:"));
  edtEndDate = OwnedBy<TskDateEdit>(this);
  edtEndDate->setObjectName(QStringLiteral("edtEndDate"));
  skStdLabel2 = OwnedBy<TskStdLabel>(this, QStringLiteral("Category:"));
  cbxCategories = OwnedBy<TskComboBox>(this);
  cbxCategories->setObjectName(QStringLiteral("cbxCategories"));
  // The box lies over the row of the buttons; no command shows it.
  chkDefault = OwnedBy<TskCheckBox>(this, QStringLiteral("Use Default Project To Do List"));
  chkDefault->setObjectName(QStringLiteral("chkDefault"));
  chkDefault->hide();

  TAlignLayout* layout = Layout();
  layout->AddPlaced(skStdLabel1, QRect(8, 14, 0, 0), {}, TAutoSize::KeepLeft);
  layout->AddPlaced(edtName, QRect(84, 16, 309, 18));
  layout->AddPlaced(skStdLabel3, QRect(8, 42, 0, 0), {}, TAutoSize::KeepLeft);
  layout->AddPlaced(edtStartDate, QRect(84, 41, 119, 18));
  layout->AddPlaced(skStdLabel4, QRect(221, 46, 0, 0), {}, TAutoSize::KeepLeft);
  layout->AddPlaced(edtEndDate, QRect(273, 43, 117, 18));
  layout->AddPlaced(skStdLabel2, QRect(11, 70, 0, 0), {}, TAutoSize::KeepLeft);
  layout->AddPlaced(cbxCategories, QRect(85, 66, 120, 20));
  layout->AddPlaced(chkDefault, QRect(83, 91, 265, 25));
  PlaceButtons(QRect(114, 105, 93, 20), QRect(211, 105, 93, 20));
  SetFocusOrder({edtName, chkDefault, skButton1, skButton2, edtStartDate, edtEndDate, cbxCategories});
  FormCreate(categories);
}

void TfrmCreateProject::FormCreate(const TTextList& categories) {
  for (int i = 0; i < categories.Count(); ++i) cbxCategories->addItem(ToQ(categories.Strings(i)));
  if (cbxCategories->count() > 0) cbxCategories->setCurrentIndex(0);
}
