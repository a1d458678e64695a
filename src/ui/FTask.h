#pragma once
#include "ui/EntryDialog.h"

class TskCheckBox;
class TskDateEdit;
class TskMemo;
class TskPanel;
class TskStdLabel;

// The task dialog: description, notes, dates and the done flag.
class TfrmTask : public TEntryDialog {
  Q_OBJECT
 public:
  TfrmTask(const TskMessageBox& messages, QWidget* parent);

  TskStdLabel* skStdLabel1;
  TskStdLabel* skStdLabel2;
  TskStdLabel* skStdLabel3;
  TskStdLabel* skStdLabel4;
  TskPanel* skPanel1;
  TskMemo* memNotes;
  TskDateEdit* edtStartDate;
  TskDateEdit* edtEndDate;
  TskCheckBox* chkDone;
};
