// The project summary, the task list and Save.
#include <memory>

#include "ui/FMain.h"
#include "ui/FTask.h"
#include "ui/QtText.h"
#include "platform/ScopedFlag.h"
#include "ui/controls/DateEdit.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Gauge.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MessageBox.h"
#include "ui/controls/StdLabel.h"

namespace {

const QString kEmptyProgressText = QStringLiteral("0/0 tasks  ");

}  // namespace

void TfrmMain::ShowProjectSummary() {
  // The list reports the rows being filled, cleared or deleted; none of that
  // is a tick to write back.
  const TScopedFlag suppress(SuppressChange);
  const TProject& project = *CurrentProject;
  std::vector<TListRow> rows;
  rows.reserve(static_cast<size_t>(project.Tasks.Count()));
  for (int i = 0; i < project.Tasks.Count(); ++i) {
    const TTask& task = *project.Tasks.Objects(i);
    rows.push_back({QString(), task.Done, {ToQ(task.Name), ToQ(task.Notes), ToQ(task.StartDate), ToQ(task.EndDate)}});
  }
  lvwItems->SetRows(std::move(rows));
  lblProjName->setText(ToQ("Project Name:  " + project.Name));
  lblStartDate->setText(ToQ("Start Date:  " + project.StartDate));
  lblEndDate->setText(ToQ("End Date:  " + project.EndDate));
  ShowProgress();
}

void TfrmMain::ClearProjectSummary() {
  const TScopedFlag suppress(SuppressChange);
  lvwItems->ClearRows();
  lblProjName->setText(QStringLiteral("Project Name:  "));
  lblStartDate->setText(QStringLiteral("Start Date: "));
  lblEndDate->setText(QStringLiteral("End Date: "));
  MainGauge->SetValue(0);
  MainGauge->SetProgressText(kEmptyProgressText);
}

void TfrmMain::ShowProgress() {
  if (!CurrentProject) return;
  MainGauge->SetValue(CurrentProject->PercentDone());
  MainGauge->SetProgressText(QStringLiteral("%1/%2 tasks  ")
                                 .arg(CurrentProject->DoneCount())
                                 .arg(CurrentProject->Tasks.Count()));
}

void TfrmMain::lvwItemsChange(int Row) {
  if (SuppressChange || !CurrentProject) return;
  if (Row < 0 || Row >= CurrentProject->Tasks.Count() || Row >= lvwItems->RowCount()) return;
  CurrentProject->Tasks.Objects(Row)->Done = lvwItems->Checked(Row);
  ShowProgress();
}

void TfrmMain::btnAddClick() {
  if (lblProjName->text().trimmed() == QStringLiteral("Project Name:") || !CurrentProject) {
    msgMain->Inform("You have to create a new project or open an existing before add tasks!");
    return;
  }
  const auto dialog = std::make_unique<TfrmTask>(*msgMain, this);
  dialog->setWindowTitle(QStringLiteral("Add task"));
  if (dialog->exec() != QDialog::Accepted) return;
  const std::string name = dialog->edtName->text().toStdString();
  CurrentProject->Tasks.Add(name, std::make_unique<TTask>(dialog->chkDone->isChecked(), name,
                                                          dialog->memNotes->Text().toStdString(),
                                                          dialog->edtStartDate->text().toStdString(),
                                                          dialog->edtEndDate->text().toStdString()));
  ShowProjectSummary();
}

void TfrmMain::btnEditClick() {
  if (lvwItems->RowCount() == 0) {
    msgMain->Inform("There is not tasks to edit!");
    return;
  }
  const int row = lvwItems->SelectedRow();
  if (row < 0) {
    msgMain->Inform("Please select a task to edit!");
    return;
  }
  TTask& task = *CurrentProject->Tasks.Objects(row);
  const auto dialog = std::make_unique<TfrmTask>(*msgMain, this);
  dialog->setWindowTitle(QStringLiteral("Edit task"));
  dialog->edtName->setText(ToQ(task.Name));
  dialog->memNotes->SetText(ToQ(task.Notes));
  dialog->chkDone->setChecked(task.Done);
  dialog->edtStartDate->setText(ToQ(task.StartDate));
  dialog->edtEndDate->setText(ToQ(task.EndDate));
  if (dialog->exec() != QDialog::Accepted) return;
  task.Name = dialog->edtName->text().toStdString();
  task.Notes = dialog->memNotes->Text().toStdString();
  task.Done = dialog->chkDone->isChecked();
  task.StartDate = dialog->edtStartDate->text().toStdString();
  task.EndDate = dialog->edtEndDate->text().toStdString();
  ShowProjectSummary();
  lvwItems->SelectRow(row);
}

void TfrmMain::lvwItemsDblClick() { btnEditClick(); }

void TfrmMain::btnRemoveClick() {
  if (lvwItems->RowCount() == 0) {
    msgMain->Inform("There is not tasks to remove!");
    return;
  }
  if (lvwItems->SelectedRow() < 0) {
    msgMain->Inform("Please select a task to remove!");
    return;
  }
  if (!msgMain->Confirm("Are you sure do you want remove this taks?")) return;
  {
    const TScopedFlag suppress(SuppressChange);
    // The row is read again: the list may have changed while the question
    // was open.
    const int row = lvwItems->SelectedRow();
    if (row < 0) return;
    CurrentProject->Tasks.Delete(row);
    lvwItems->DeleteRow(row);
  }
  ShowProgress();
}

void TfrmMain::lvwItemsKeyDown(int Key, bool* Handled) {
  if (Key != Qt::Key_Delete) return;
  *Handled = true;
  btnRemoveClick();
}

void TfrmMain::btnSaveClick() {
  // A second copy of the program, a sync tool or an editor may have written
  // a file since it was read; its change is kept unless the user says so,
  // and the other files are saved either way.
  const TOverwriteQuery overwrite_changed = [this](const std::string& path) {
    return msgMain->AskYesNo("The file \"" + path + "\" has changed on disk since it was last read or saved.\r\n"
                             "Do you want to overwrite it with your changes?");
  };
  Projects->SaveCategories(overwrite_changed);
  Projects->SaveProjects(overwrite_changed);
  Hours->SaveHours(overwrite_changed);
}
