// The day planner: the hour slots of the calendar's day and their actions.
#include <QDate>
#include <QTimer>
#include <memory>

#include "platform/ShortDate.h"
#include "ui/FHour.h"
#include "ui/FMain.h"
#include "ui/QtText.h"
#include "ui/controls/Edit.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MessageBox.h"
#include "ui/controls/MonthCalendar.h"
#include "ui/controls/StdLabel.h"

std::string TfrmMain::DayText() const {
  const QDate date = skMonthCalendar1->Date();
  return platform::FormatShortDate(date.year(), date.month(), date.day());
}

void TfrmMain::RefreshDayPlanner() {
  const std::string day = DayText();
  for (int row = 0; row < lvwToDo->RowCount(); ++row) {
    const int entry = Hours->IndexOf(PlannerKey(day, lvwToDo->Row(row).caption.toStdString()));
    lvwToDo->SetSubItem(row, 0, entry >= 0 ? ToQ(Hours->Objects(entry)->Action) : QString());
  }
}

void TfrmMain::skMonthCalendar1NumberClick() { RefreshDayPlanner(); }

// Entering and leaving both switch the refresh on, for the rest of the run:
// it is what brings the list up to date after the month and year buttons,
// which change the date without a number click.
void TfrmMain::skMonthCalendar1MouseEnter() {
  if (!Timer1->isActive()) Timer1->start();
}

void TfrmMain::skMonthCalendar1MouseLeave() {
  if (!Timer1->isActive()) Timer1->start();
}

void TfrmMain::Timer1Timer() { RefreshDayPlanner(); }

void TfrmMain::btnEditHourClick() {
  const int row = lvwToDo->SelectedRow();
  if (row < 0) {
    msgMain->Inform("Please select a hour to edit!");
    return;
  }
  const std::string day = DayText();
  const std::string hour = lvwToDo->Row(row).caption.toStdString();
  {
    const auto dialog = std::make_unique<TfrmHour>(*msgMain, this);
    dialog->skStdLabel2->setText(ToQ("Day: " + day));
    dialog->skStdLabel3->setText(ToQ("Hour: " + hour));
    dialog->edtName->setText(lvwToDo->Row(row).sub_items.value(0));
    if (dialog->exec() == QDialog::Accepted) {
      const std::string action = dialog->edtName->text().toStdString();
      const std::string key = PlannerKey(day, hour);
      const int entry = Hours->IndexOf(key);
      if (entry < 0) {
        Hours->Add(key, std::make_unique<TToDoHour>(day, hour, action));
      } else {
        // The entry keeps its day and hour as stored: its key names this
        // slot, perhaps in another letter case ("9:00 am"), and Ok on an
        // unchanged action must not rewrite them.
        Hours->Objects(entry)->Action = action;
      }
    }
  }
  RefreshDayPlanner();
}

void TfrmMain::lvwToDoDblClick() { btnEditHourClick(); }

void TfrmMain::skButton3Click() {
  const int row = lvwToDo->SelectedRow();
  if (row < 0) {
    msgMain->Inform("Please select an action to delete!");
    return;
  }
  const int entry = Hours->IndexOf(PlannerKey(DayText(), lvwToDo->Row(row).caption.toStdString()));
  if (entry < 0) return;
  Hours->Delete(entry);
  RefreshDayPlanner();
}
