#pragma once
#include "ui/EntryDialog.h"

class TskStdLabel;

// The category dialog: one name.
class TfrmCategory : public TEntryDialog {
  Q_OBJECT
 public:
  TfrmCategory(const TskMessageBox& messages, QWidget* parent);

  TskStdLabel* skStdLabel1;
};
