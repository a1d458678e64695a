// The day planner: the hour slots of the calendar's day, editing and
// clearing their actions, and the refresh after the calendar's buttons.
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "gui/MainWindowFixture.h"
#include "ui/FHour.h"
#include "ui/controls/Button.h"
#include "ui/controls/Edit.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MonthCalendar.h"
#include "ui/controls/PageControl.h"
#include "ui/controls/StdLabel.h"

namespace guitest {
namespace {

constexpr int kNoon = 11;      // 12:00 M
constexpr int kMidnight = 23;  // 12:00 PM

class PlannerTest : public MainWindowTest {
 protected:
  void OpenOnDay(QDate day, const std::string& hours = "") {
    Open("", "", hours);
    Click(window->pgcMain->Tabs());  // whichever tab; then the Calendar page for sure
    window->pgcMain->SetActivePageIndex(1);
    ClickDay(day);
  }

  void ClickDay(QDate day) {
    TskMonthCalendar* calendar = window->skMonthCalendar1;
    while (calendar->Date().year() * 12 + calendar->Date().month() < day.year() * 12 + day.month())
      Click(calendar->findChild<QToolButton*>("btnNextMonth"));
    while (calendar->Date().year() * 12 + calendar->Date().month() > day.year() * 12 + day.month())
      Click(calendar->findChild<QToolButton*>("btnPrevMonth"));
    QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier, calendar->DayRect(day).center());
    ASSERT_EQ(calendar->Date(), day);
  }

  QString ActionOf(int row) const { return window->lvwToDo->Row(row).sub_items.value(0); }

  // Edits the selected slot through the hour dialog.
  void EditSlot(int row, const QString& action, std::string* day_label = nullptr,
                std::string* hour_label = nullptr, QString* prefilled = nullptr) {
    ClickRow(window->lvwToDo, row);
    driver.Expect([=](QWidget* dialog) {
      auto* hour = qobject_cast<TfrmHour*>(dialog);
      ASSERT_NE(hour, nullptr);
      EXPECT_EQ(hour->windowTitle(), "Edit action");
      if (day_label) *day_label = hour->skStdLabel2->text().toStdString();
      if (hour_label) *hour_label = hour->skStdLabel3->text().toStdString();
      if (prefilled) *prefilled = hour->edtName->text();
      ClearAndType(hour->edtName, action);
      Click(hour->skButton1);
    });
    Click(window->btnEditHour);
  }
};

TEST_F(PlannerTest, ShowsTheStoredActionsOfTheClickedDay) {
  OpenOnDay(QDate(2007, 12, 13), "12/13/2007^12:00 M^Lunch^\r\n12/14/2007^12:00 M^Other^\r\n");
  EXPECT_EQ(ActionOf(kNoon), "Lunch");
  EXPECT_EQ(ActionOf(kNoon + 1), "");
  ClickDay(QDate(2007, 12, 14));
  EXPECT_EQ(ActionOf(kNoon), "Other");
  ClickDay(QDate(2007, 12, 15));
  EXPECT_EQ(ActionOf(kNoon), "");
}

TEST_F(PlannerTest, NoonAndMidnightAreDifferentSlotsWithTheirOwnKeys) {
  OpenOnDay(QDate(2008, 7, 5));
  std::string day, hour;
  EditSlot(kNoon, "Lunch", &day, &hour);
  EXPECT_EQ(day, "Day: 7/5/2008");
  EXPECT_EQ(hour, "Hour: 12:00 M");
  EditSlot(kMidnight, "Sleep", nullptr, &hour);
  EXPECT_EQ(hour, "Hour: 12:00 PM");
  ASSERT_EQ(window->Hours->Count(), 2);
  EXPECT_EQ(window->Hours->Strings(0), "7/5/2008-12:00 M");
  EXPECT_EQ(window->Hours->Strings(1), "7/5/2008-12:00 PM");
  EXPECT_EQ(window->Hours->Objects(1)->Hour, "12:00 PM");
  EXPECT_EQ(ActionOf(kNoon), "Lunch");
  EXPECT_EQ(ActionOf(kMidnight), "Sleep");

  Click(window->btnSave);
  EXPECT_EQ(folder.Read("Hours.dat"), "7/5/2008^12:00 M^Lunch^\r\n7/5/2008^12:00 PM^Sleep^\r\n");
}

TEST_F(PlannerTest, EditingTheSameSlotTwiceKeepsOneEntryAndTheSameHourOnTwoDaysTwo) {
  OpenOnDay(QDate(2008, 7, 5));
  EditSlot(3, "First");
  QString prefilled;
  EditSlot(3, " Second ", nullptr, nullptr, &prefilled);
  EXPECT_EQ(prefilled, "First");
  ASSERT_EQ(window->Hours->Count(), 1);
  EXPECT_EQ(window->Hours->Objects(0)->Action, " Second ") << "the action is not trimmed";
  ClickDay(QDate(2008, 7, 6));
  EXPECT_EQ(ActionOf(3), "");
  EditSlot(3, "Other day");
  EXPECT_EQ(window->Hours->Count(), 2);
  ClickDay(QDate(2008, 7, 5));
  EXPECT_EQ(ActionOf(3), " Second ");
}

TEST_F(PlannerTest, CancelChangesNoEntry) {
  OpenOnDay(QDate(2008, 7, 5), "7/5/2008^4:00 AM^Keep^\r\n");
  ClickRow(window->lvwToDo, 3);
  driver.Expect([](QWidget* dialog) {
    auto* hour = qobject_cast<TfrmHour*>(dialog);
    ClearAndType(hour->edtName, "Changed");
    Click(hour->skButton2);
  });
  Click(window->btnEditHour);
  EXPECT_EQ(window->Hours->Objects(0)->Action, "Keep");
  EXPECT_EQ(ActionOf(3), "Keep");
}

TEST_F(PlannerTest, ClearRemovesTheActionWithoutAQuestionAndAnEmptySlotIsLeftAlone) {
  OpenOnDay(QDate(2008, 7, 5), "7/5/2008^4:00 AM^Gone^\r\n7/6/2008^4:00 AM^Stays^\r\n");
  ClickRow(window->lvwToDo, 3);
  Click(window->skButton3);
  EXPECT_EQ(ActionOf(3), "");
  ASSERT_EQ(window->Hours->Count(), 1);
  EXPECT_EQ(window->Hours->Objects(0)->Action, "Stays");
  Click(window->skButton3);
  ClickRow(window->lvwToDo, 5);
  Click(window->skButton3);
  EXPECT_EQ(window->Hours->Count(), 1);
}

TEST_F(PlannerTest, ClearingNoonLeavesMidnightAndClearingMidnightLeavesNoon) {
  OpenOnDay(QDate(2008, 7, 5),
            "7/5/2008^12:00 M^Lunch^\r\n7/5/2008^12:00 PM^Sleep^\r\n"
            "7/6/2008^12:00 M^Brunch^\r\n7/6/2008^12:00 PM^Late^\r\n");
  ClickRow(window->lvwToDo, kNoon);
  Click(window->skButton3);
  EXPECT_EQ(ActionOf(kNoon), "");
  EXPECT_EQ(ActionOf(kMidnight), "Sleep");

  ClickDay(QDate(2008, 7, 6));
  ClickRow(window->lvwToDo, kMidnight);
  Click(window->skButton3);
  EXPECT_EQ(ActionOf(kNoon), "Brunch");
  EXPECT_EQ(ActionOf(kMidnight), "");

  Click(window->btnSave);
  EXPECT_EQ(folder.Read("Hours.dat"), "7/5/2008^12:00 PM^Sleep^\r\n7/6/2008^12:00 M^Brunch^\r\n");
}

TEST_F(PlannerTest, EditAndClearRefuseWhenNoSlotIsSelected) {
  OpenOnDay(QDate(2008, 7, 5));
  TModalDriver::TSeenBox edit, clear;
  driver.AnswerBox(true, &edit);
  Click(window->btnEditHour);
  driver.AnswerBox(true, &clear);
  Click(window->skButton3);
  EXPECT_EQ(edit.text, "Please select a hour to edit!");
  EXPECT_EQ(clear.text, "Please select an action to delete!");
  EXPECT_FALSE(edit.had_cancel);
  EXPECT_EQ(window->Hours->Count(), 0);
}

// The day shown in the leftmost or the rightmost column of the week row that
// holds `day_in_row`, picked with the mouse.
QDate ClickWeekEnd(TskMonthCalendar* calendar, QDate day_in_row, bool leftmost) {
  const int y = calendar->DayRect(day_in_row).center().y();
  QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier, QPoint(leftmost ? 2 : calendar->width() - 3, y));
  return calendar->Date();
}

TEST_F(PlannerTest, WeeksStartOnSunday) {
  // June 2008 begins on a Sunday, July 2008 on a Tuesday.
  OpenOnDay(QDate(2008, 6, 18), "6/1/2008^1:00 AM^First Sunday^\r\n");
  TskMonthCalendar* calendar = window->skMonthCalendar1;
  EXPECT_EQ(ClickWeekEnd(calendar, QDate(2008, 6, 4), true), QDate(2008, 6, 1));
  EXPECT_EQ(ActionOf(0), "First Sunday") << "a number click";
  EXPECT_EQ(ClickWeekEnd(calendar, QDate(2008, 6, 4), false), QDate(2008, 6, 7));
  ClickDay(QDate(2008, 7, 16));
  EXPECT_EQ(ClickWeekEnd(calendar, QDate(2008, 7, 16), true), QDate(2008, 7, 13));
  EXPECT_EQ(ClickWeekEnd(calendar, QDate(2008, 7, 16), false), QDate(2008, 7, 19));
  // The first row starts with June's last Sunday, which is no day of July.
  EXPECT_EQ(ClickWeekEnd(calendar, QDate(2008, 7, 2), true), QDate(2008, 7, 19));
  EXPECT_EQ(ClickWeekEnd(calendar, QDate(2008, 7, 2), false), QDate(2008, 7, 5));
}

TEST_F(PlannerTest, MonthButtonsKeepTheDayLoweredToTheMonthsEndAndRaiseNoNumberClick) {
  OpenOnDay(QDate(2008, 1, 31), "2/29/2008^1:00 AM^Leap^\r\n2/28/2009^1:00 AM^Next^\r\n");
  int number_clicks = 0;
  QObject::connect(window->skMonthCalendar1, &TskMonthCalendar::NumberClick, [&] { ++number_clicks; });
  Click(window->skMonthCalendar1->findChild<QToolButton*>("btnNextMonth"));
  EXPECT_EQ(window->skMonthCalendar1->Date(), QDate(2008, 2, 29));
  Click(window->skMonthCalendar1->findChild<QToolButton*>("btnNextYear"));
  EXPECT_EQ(window->skMonthCalendar1->Date(), QDate(2009, 2, 28));
  Click(window->skMonthCalendar1->findChild<QToolButton*>("btnPrevYear"));
  EXPECT_EQ(window->skMonthCalendar1->Date(), QDate(2008, 2, 28));
  Click(window->skMonthCalendar1->findChild<QToolButton*>("btnNextYear"));
  EXPECT_EQ(number_clicks, 0);
  EXPECT_EQ(ActionOf(0), "") << "the list waits for the timer";
}

TEST_F(PlannerTest, AfterAMonthButtonTheTimerBringsTheListUpToDate) {
  OpenOnDay(QDate(2008, 1, 31), "1/31/2008^1:00 AM^January^\r\n2/29/2008^1:00 AM^Leap^\r\n");
  EXPECT_FALSE(window->Timer1->isActive());
  QTest::mouseMove(window->skMonthCalendar1, QPoint(100, 100));
  QTest::mouseMove(window->lvwToDo, QPoint(10, 10));
  if (!window->Timer1->isActive()) {
    // Platforms without a pointer deliver no enter event to a mouse move.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(window->skMonthCalendar1, &enter);
  }
  ASSERT_TRUE(window->Timer1->isActive());
  Click(window->skMonthCalendar1->findChild<QToolButton*>("btnNextMonth"));
  EXPECT_EQ(ActionOf(0), "January");

  // Edited before the tick: the dialog shows what the list shows, the
  // result goes under the day the calendar holds.
  QString prefilled;
  std::string day;
  EditSlot(1, "Feb slot", &day, nullptr, &prefilled);
  EXPECT_EQ(day, "Day: 2/29/2008");
  EXPECT_EQ(window->Hours->Strings(2), "2/29/2008-2:00 AM");

  for (int waited = 0; ActionOf(0) != "Leap" && waited < 5000; waited += 50) QTest::qWait(50);
  EXPECT_EQ(ActionOf(0), "Leap");
  EXPECT_TRUE(window->Timer1->isActive()) << "once on, the refresh stays on";
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(window->skMonthCalendar1, &leave);
  EXPECT_TRUE(window->Timer1->isActive());
}

}  // namespace
}  // namespace guitest
