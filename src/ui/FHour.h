#pragma once
#include "ui/EntryDialog.h"

class TskStdLabel;

// The action of one planner hour. Enter in the action field runs the OK
// check, as the only dialog that maps a key to it.
class TfrmHour : public TEntryDialog {
  Q_OBJECT
 public:
  TfrmHour(const TskMessageBox& messages, QWidget* parent);

  TskStdLabel* skStdLabel1;
  TskStdLabel* skStdLabel2;
  TskStdLabel* skStdLabel3;

  void edtNameKeyDown(int key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
