#pragma once
#include "model/TStringList.h"
#include "ui/EntryDialog.h"

class TskCheckBox;
class TskComboBox;
class TskDateEdit;
class TskStdLabel;

// The project dialog: name, dates and category. Its category box lists the
// categories the main window holds, the first one selected.
class TfrmCreateProject : public TEntryDialog {
  Q_OBJECT
 public:
  TfrmCreateProject(const TTextList& categories, const TskMessageBox& messages, QWidget* parent);

  TskStdLabel* skStdLabel1;
  TskStdLabel* skStdLabel2;
  TskStdLabel* skStdLabel3;
  TskStdLabel* skStdLabel4;
  TskDateEdit* edtStartDate;
  TskDateEdit* edtEndDate;
  TskComboBox* cbxCategories;
  TskCheckBox* chkDefault;

 private:
  void FormCreate(const TTextList& categories);
};
