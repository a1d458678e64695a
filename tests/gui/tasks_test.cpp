// The project summary, the task list, the gauge and Save.
#include <QApplication>
#include <QStyle>
#include <QTest>
#include <filesystem>

#include "gui/MainWindowFixture.h"
#include "ui/FTask.h"
#include "ui/controls/Button.h"
#include "ui/controls/DateEdit.h"
#include "ui/controls/Edit.h"
#include "ui/controls/Gauge.h"
#include "ui/controls/ListView.h"
#include "ui/controls/StdLabel.h"

namespace guitest {
namespace {

using TasksTest = MainWindowTest;

std::string ProjectWith(const std::string& name, int done, int total) {
  std::string text = "Header^" + name + "^Work^1/1/2008^2/1/2008^\r\n";
  for (int i = 0; i < total; ++i)
    text += std::string(i < done ? "^True" : "^False") + "^,^Task " + std::to_string(i) + "^,^n^,^s^,^e^\r\n";
  return text + "EndProject\r\n";
}

// Where the row's check box is drawn.
QPoint CheckBoxOf(TskListView* list, int row) {
  const QRect cell = list->visualRect(list->model()->index(row, 0));
  const int margin = QApplication::style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
  const int indicator = QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth);
  return QPoint(cell.left() + margin + indicator / 2, cell.center().y());
}

TEST_F(TasksTest, AShownProjectFillsLabelsRowsAndGauge) {
  Open("Work\r\n", ProjectWith("Site", 2, 3));
  ClickNode(Node("Site", "Work"));
  EXPECT_EQ(window->lblProjName->text(), "Project Name:  Site");
  EXPECT_EQ(window->lblStartDate->text(), "Start Date:  1/1/2008");
  EXPECT_EQ(window->lblEndDate->text(), "End Date:  2/1/2008");
  ASSERT_EQ(window->lvwItems->RowCount(), 3);
  const TListRow& row = window->lvwItems->Row(1);
  EXPECT_EQ(row.caption, "");
  EXPECT_TRUE(row.checked);
  EXPECT_EQ(row.sub_items, (QStringList{"Task 1", "n", "s", "e"}));
  EXPECT_FALSE(window->lvwItems->Checked(2));
  EXPECT_EQ(window->MainGauge->Value(), 67);
  EXPECT_EQ(window->MainGauge->DisplayText(), "2/3 tasks  67%");
}

TEST_F(TasksTest, PercentagesRoundHalvesToEven) {
  Open("Work\r\n", ProjectWith("Eighth", 1, 8) + ProjectWith("ThreeEighths", 3, 8) + ProjectWith("Third", 1, 3) +
                       ProjectWith("Empty", 0, 0));
  const std::pair<const char*, const char*> cases[] = {
      {"Eighth", "1/8 tasks  12%"},
      {"ThreeEighths", "3/8 tasks  38%"},
      {"Third", "1/3 tasks  33%"},
      {"Empty", "0/0 tasks  0%"},
  };
  for (const auto& [name, reads] : cases) {
    ClickNode(Node(name, "Work"));
    EXPECT_EQ(window->MainGauge->DisplayText(), reads) << name;
  }
}

TEST_F(TasksTest, TickingARowUpdatesTheTaskAndTheGaugeAtOnce) {
  Open("Work\r\n", ProjectWith("Site", 0, 2));
  ClickNode(Node("Site", "Work"));
  TskListView* list = window->lvwItems;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, CheckBoxOf(list, 1));
  EXPECT_TRUE(list->Checked(1));
  EXPECT_TRUE(window->CurrentProject->Tasks.Objects(1)->Done);
  EXPECT_EQ(window->MainGauge->DisplayText(), "1/2 tasks  50%");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, CheckBoxOf(list, 1));
  EXPECT_FALSE(window->CurrentProject->Tasks.Objects(1)->Done);
  EXPECT_EQ(window->MainGauge->DisplayText(), "0/2 tasks  0%");
  // The space bar ticks the selected row too.
  ClickRow(list, 0);
  QTest::keyClick(list, Qt::Key_Space);
  EXPECT_TRUE(window->CurrentProject->Tasks.Objects(0)->Done);
}

TEST_F(TasksTest, ChangesReportedWhileSuppressedWriteNothingBack) {
  Open("Work\r\n", ProjectWith("Site", 1, 2));
  ClickNode(Node("Site", "Work"));
  window->SuppressChange = true;
  window->lvwItems->SetChecked(1, true);
  window->SuppressChange = false;
  EXPECT_FALSE(window->CurrentProject->Tasks.Objects(1)->Done);
  EXPECT_EQ(window->MainGauge->DisplayText(), "1/2 tasks  50%");
}

TEST_F(TasksTest, AddingAppendsTheTaskUnselectedAndMovesTheGauge) {
  Open("Work\r\n", ProjectWith("Site", 1, 1));
  ClickNode(Node("Site", "Work"));
  driver.Expect([](QWidget* dialog) {
    auto* task = qobject_cast<TfrmTask*>(dialog);
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->windowTitle(), "Add task");
    EXPECT_EQ(task->edtName->text(), "");
    EXPECT_FALSE(task->chkDone->isChecked());
    TypeInto(task->edtName, " Write copy ");
    TypeInto(task->memNotes, "first line");
    task->edtStartDate->setText(" 7/ 5/2008");
    Click(task->skButton1);
  });
  Click(window->btnAdd);
  ASSERT_EQ(window->CurrentProject->Tasks.Count(), 2);
  const TTask& added = *window->CurrentProject->Tasks.Objects(1);
  EXPECT_EQ(added.Name, " Write copy ");
  EXPECT_EQ(window->CurrentProject->Tasks.Strings(1), " Write copy ");
  EXPECT_EQ(added.Notes, "first line");
  EXPECT_EQ(added.StartDate, " 7/ 5/2008");
  EXPECT_FALSE(added.Done);
  EXPECT_EQ(window->lvwItems->RowCount(), 2);
  EXPECT_EQ(window->lvwItems->SelectedRow(), -1);
  EXPECT_EQ(window->MainGauge->DisplayText(), "1/2 tasks  50%");
}

TEST_F(TasksTest, AddingIsRefusedWithoutAShownProject) {
  Open("Work\r\n", ProjectWith("Site", 0, 1) + "Header^^Work^^^\r\nEndProject\r\n");
  const char kRefusal[] = "You have to create a new project or open an existing before add tasks!";
  TModalDriver::TSeenBox nothing_shown, category_selected, nameless;
  driver.AnswerBox(true, &nothing_shown);
  Click(window->btnAdd);
  ClickNode(Node("Site", "Work"));
  ClickNode(Node("Work"));
  driver.AnswerBox(true, &category_selected);
  Click(window->btnAdd);
  // A project without a name reads as the empty summary.
  ClickNode(Node("", "Work"));
  driver.AnswerBox(true, &nameless);
  Click(window->btnAdd);
  EXPECT_EQ(nothing_shown.text, kRefusal);
  EXPECT_EQ(category_selected.text, kRefusal);
  EXPECT_EQ(nameless.text, kRefusal);
  EXPECT_FALSE(nameless.had_cancel);
  EXPECT_EQ(window->Projects->Objects(0)->Tasks.Count(), 1);
}

TEST_F(TasksTest, EditingChangesTheFieldsKeepsTheKeyAndReselectsTheRow) {
  Open("Work\r\n", ProjectWith("Site", 0, 3));
  ClickNode(Node("Site", "Work"));
  ClickRow(window->lvwItems, 1);
  driver.Expect([](QWidget* dialog) {
    auto* task = qobject_cast<TfrmTask*>(dialog);
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->windowTitle(), "Edit task");
    EXPECT_EQ(task->edtName->text(), "Task 1");
    EXPECT_EQ(task->memNotes->toPlainText(), "n");
    EXPECT_EQ(task->edtStartDate->text(), "s") << "stored texts are shown unchanged";
    ClearAndType(task->edtName, "Renamed");
    Click(task->chkDone);
    Click(task->skButton1);
  });
  Click(window->btnEdit);
  const TTask& edited = *window->CurrentProject->Tasks.Objects(1);
  EXPECT_EQ(edited.Name, "Renamed");
  EXPECT_TRUE(edited.Done);
  EXPECT_EQ(window->CurrentProject->Tasks.Strings(1), "Task 1");
  EXPECT_EQ(window->lvwItems->SelectedRow(), 1);
  EXPECT_EQ(window->MainGauge->DisplayText(), "1/3 tasks  33%");

  // A double click edits too; cancelling changes nothing.
  driver.Expect([](QWidget* dialog) { Click(qobject_cast<TfrmTask*>(dialog)->skButton2); });
  const QRect row = window->lvwItems->visualRect(window->lvwItems->model()->index(2, 1));
  QTest::mouseDClick(window->lvwItems->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
  EXPECT_EQ(window->CurrentProject->Tasks.Objects(2)->Name, "Task 2");
}

TEST_F(TasksTest, EditAndRemoveRefuseAnEmptyListAndAMissingSelection) {
  Open("Work\r\n", ProjectWith("Empty", 0, 0) + ProjectWith("Full", 0, 2));
  ClickNode(Node("Empty", "Work"));
  TModalDriver::TSeenBox seen[4];
  driver.AnswerBox(true, &seen[0]);
  Click(window->btnEdit);
  driver.AnswerBox(true, &seen[1]);
  Click(window->btnRemove);
  ClickNode(Node("Full", "Work"));
  driver.AnswerBox(true, &seen[2]);
  Click(window->btnEdit);
  driver.AnswerBox(true, &seen[3]);
  Click(window->btnRemove);
  EXPECT_EQ(seen[0].text, "There is not tasks to edit!");
  EXPECT_EQ(seen[1].text, "There is not tasks to remove!");
  EXPECT_EQ(seen[2].text, "Please select a task to edit!");
  EXPECT_EQ(seen[3].text, "Please select a task to remove!");
  for (const auto& box : seen) EXPECT_FALSE(box.had_cancel);
  EXPECT_EQ(window->lvwItems->RowCount(), 2);
}

TEST_F(TasksTest, RemovalAsksAndCancelKeepsEverything) {
  Open("Work\r\n", ProjectWith("Site", 1, 3));
  ClickNode(Node("Site", "Work"));
  ClickRow(window->lvwItems, 0);
  TModalDriver::TSeenBox question;
  driver.AnswerBox(false, &question);
  Click(window->btnRemove);
  EXPECT_EQ(question.text, "Are you sure do you want remove this taks?");
  EXPECT_TRUE(question.had_cancel);
  EXPECT_EQ(window->CurrentProject->Tasks.Count(), 3);
  // Closing the question through its frame is Cancel as well.
  driver.Expect([](QWidget* box) { box->close(); });
  QTest::keyClick(window->lvwItems, Qt::Key_Delete);
  EXPECT_EQ(window->CurrentProject->Tasks.Count(), 3);
  EXPECT_EQ(window->lvwItems->RowCount(), 3);
}

TEST_F(TasksTest, ConfirmedRemovalDeletesTheRowAndTheTaskDownToTheLast) {
  Open("Work\r\n", ProjectWith("Site", 1, 2));
  ClickNode(Node("Site", "Work"));
  ClickRow(window->lvwItems, 0);
  driver.AnswerBox(true);
  QTest::keyClick(window->lvwItems, Qt::Key_Delete);
  ASSERT_EQ(window->CurrentProject->Tasks.Count(), 1);
  EXPECT_EQ(window->CurrentProject->Tasks.Objects(0)->Name, "Task 1");
  EXPECT_EQ(window->lvwItems->Row(0).sub_items.value(0), "Task 1");
  EXPECT_EQ(window->MainGauge->DisplayText(), "0/1 tasks  0%");
  ClickRow(window->lvwItems, 0);
  driver.AnswerBox(true);
  Click(window->btnRemove);
  EXPECT_EQ(window->CurrentProject->Tasks.Count(), 0);
  EXPECT_EQ(window->lvwItems->RowCount(), 0);
  EXPECT_EQ(window->MainGauge->DisplayText(), "0/0 tasks  0%");
  EXPECT_EQ(window->MainGauge->Value(), 0);
}

TEST_F(TasksTest, TheRowShowingTheFocusIsTheSelectedRowThatDeleteAndEditActOn) {
  Open("Work\r\n", ProjectWith("Site", 0, 4));
  ClickNode(Node("Site", "Work"));
  TskListView* list = window->lvwItems;
  ClickRow(list, 0);
  auto focus_row = [list] { return list->currentIndex().isValid() ? list->currentIndex().row() : -1; };
  QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);  // moves the focus alone in a plain list
  EXPECT_EQ(focus_row(), 1);
  EXPECT_EQ(list->SelectedRow(), 1);
  driver.AnswerBox(true);
  QTest::keyClick(list, Qt::Key_Delete);
  ASSERT_EQ(window->CurrentProject->Tasks.Count(), 3);
  EXPECT_EQ(window->CurrentProject->Tasks.Objects(1)->Name, "Task 2") << "the focused row was removed";
  EXPECT_EQ(list->SelectedRow(), focus_row());
  driver.Expect([](QWidget* dialog) {
    EXPECT_EQ(qobject_cast<TfrmTask*>(dialog)->edtName->text(), "Task 2");
    Click(qobject_cast<TfrmTask*>(dialog)->skButton2);
  });
  Click(window->btnEdit);
  // Unselecting the row takes the focus mark off it too.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list->visualRect(list->model()->index(1, 1)).center());
  EXPECT_EQ(list->SelectedRow(), -1);
  EXPECT_EQ(focus_row(), -1);
}

TEST_F(TasksTest, SaveWithNothingWritesThreeEmptyFilesAndSaysNothing) {
  Open();
  Click(window->btnSave);
  EXPECT_EQ(folder.Read("categories.dat"), "");
  EXPECT_EQ(folder.Read("Projects.dat"), "");
  EXPECT_EQ(folder.Read("Hours.dat"), "");
}

TEST_F(TasksTest, SaveWritesCategoriesProjectsHoursInOrderAndAFailureKeepsWhatWentBefore) {
  Open("Work\r\n");
  NewCategory("Home");
  // A folder where a data file belongs: that file cannot be written.
  const auto block = [this](const char* name) {
    std::filesystem::remove(folder.Path() / name);
    std::filesystem::create_directory(folder.Path() / name);
  };
  const auto unblock = [this](const char* name) { std::filesystem::remove(folder.Path() / name); };

  block("categories.dat");
  TModalDriver::TSeenBox first_failure, second_failure;
  driver.AnswerBox(true, &first_failure);
  Click(window->btnSave);
  EXPECT_NE(first_failure.text.find("categories.dat"), std::string::npos) << first_failure.text;
  EXPECT_FALSE(folder.Exists("Projects.dat")) << "nothing after the failed file is written";
  EXPECT_FALSE(folder.Exists("Hours.dat"));

  unblock("categories.dat");
  block("Projects.dat");
  driver.AnswerBox(true, &second_failure);
  Click(window->btnSave);
  EXPECT_NE(second_failure.text.find("Projects.dat"), std::string::npos) << second_failure.text;
  EXPECT_EQ(folder.Read("categories.dat"), "Work\r\nHome\r\n") << "written before the failure, and it stays";
  EXPECT_FALSE(folder.Exists("Hours.dat"));

  unblock("Projects.dat");
  Click(window->btnSave);
  EXPECT_EQ(folder.Read("Projects.dat"), "");
  EXPECT_EQ(folder.Read("Hours.dat"), "");
}

TEST_F(TasksTest, SelectAddTickAndSaveWritesTheModelByteForByte) {
  Open("Work\r\n", "Header^Site^Work^1/1/2008^2/1/2008^\r\n^False^,^Old^,^^,^^,^^\r\nEndProject\r\n",
       "12/13/2007^9:00 AM^Call^\r\n");
  ClickNode(Node("Site", "Work"));
  driver.Expect([](QWidget* dialog) {
    auto* task = qobject_cast<TfrmTask*>(dialog);
    TypeInto(task->edtName, "New");
    TypeInto(task->memNotes, "Notes");
    task->edtStartDate->setText(" 7/ 5/2008");
    task->edtEndDate->setText("12/31/2008");
    Click(task->skButton1);
  });
  Click(window->btnAdd);
  QTest::mouseClick(window->lvwItems->viewport(), Qt::LeftButton, Qt::NoModifier, CheckBoxOf(window->lvwItems, 1));
  EXPECT_EQ(window->MainGauge->DisplayText(), "1/2 tasks  50%");
  Click(window->btnSave);
  EXPECT_EQ(folder.Read("categories.dat"), "Work\r\n");
  // The file that was read is the one replaced, in its own letter case.
  EXPECT_EQ(folder.Read("projects.dat"),
            "Header^Site^Work^1/1/2008^2/1/2008^\r\n"
            "^False^,^Old^,^^,^^,^^\r\n"
            "^True^,^New^,^Notes^,^ 7/ 5/2008^,^12/31/2008^\r\n"
            "EndProject\r\n");
  EXPECT_EQ(folder.Read("Hours.dat"), "12/13/2007^9:00 AM^Call^\r\n");
}

}  // namespace
}  // namespace guitest
