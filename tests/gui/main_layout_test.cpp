// The main window as it opens: its controls, their places, how they keep
// their layout when the window is resized, and its components.
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "gif/qt/TGIFAnimator.h"
#include "gui/MainWindowFixture.h"
#include "net/TNetAntiFreeze.h"
#include "ui/controls/Bevel.h"
#include "ui/controls/Button.h"
#include "ui/controls/Gauge.h"
#include "ui/controls/GroupBox.h"
#include "ui/controls/Image.h"
#include "ui/controls/LinkLabel.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MonthCalendar.h"
#include "ui/controls/PageControl.h"
#include "ui/controls/Panel.h"
#include "ui/controls/Splitter.h"
#include "ui/controls/StdLabel.h"
#include "ui/controls/TreeView.h"

namespace guitest {
namespace {

using MainLayoutTest = MainWindowTest;

TEST_F(MainLayoutTest, OpensWithItsStoredSizeCaptionAndButtons) {
  Open();
  // The skinned frame lies around the client area.
  EXPECT_EQ(window->contentsRect().size(), QSize(772, 566));
  EXPECT_EQ(window->windowTitle(), "Project Tarvik");
  const std::tuple<TskButton*, const char*, QRect> buttons[] = {
      {window->btn1, "New Project", {6, 5, 99, 20}},
      {window->btnSave, "Save Changes", {109, 5, 98, 20}},
      {window->btnHelp, "Help", {211, 5, 98, 20}},
      {window->btnUpdate, "Check Updates", {313, 5, 99, 20}},
      {window->btnMakeMoney, "Make Money", {416, 5, 98, 20}},
      {window->btnAdd, "Add New Task", {6, 9, 110, 20}},
      {window->btnEdit, "Edit Selected Task", {119, 9, 133, 20}},
      {window->btnRemove, "Remove Selected Task", {255, 9, 150, 20}},
      {window->btnEditHour, "Edit selected action", {2, 8, 133, 20}},
      {window->skButton3, "Clear selected action", {138, 8, 150, 20}},
  };
  for (const auto& [button, caption, place] : buttons) {
    EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(button->geometry(), place) << caption;
  }
  EXPECT_EQ(window->btnSave->focusPolicy(), Qt::NoFocus) << "the button bar never takes the focus";
  EXPECT_NE(window->btnAdd->focusPolicy(), Qt::NoFocus) << "the task buttons are tab stops";
  EXPECT_EQ(window->btnAdd->cursor().shape(), Qt::PointingHandCursor);

  const QPoint client = window->contentsRect().topLeft();
  EXPECT_EQ(window->skPanel1->geometry(), QRect(0, 0, 772, 36).translated(client));
  EXPECT_EQ(window->panBanner->geometry(), QRect(0, 36, 772, 65).translated(client));
  EXPECT_EQ(window->skPanel2->geometry(), QRect(0, 101, 772, 87).translated(client));
  EXPECT_EQ(window->panLinks->geometry(), QRect(0, 530, 772, 36).translated(client));
  EXPECT_EQ(window->skGroupBox1->geometry(), QRect(0, 188, 201, 342).translated(client));
  EXPECT_EQ(window->skSplitter1->geometry(), QRect(201, 188, 10, 342).translated(client));
  EXPECT_EQ(window->pgcMain->geometry(), QRect(211, 188, 561, 342).translated(client));
  EXPECT_EQ(window->skBevel1->geometry(), QRect(10, 13, 752, 62));
  EXPECT_EQ(window->MainGauge->geometry(), QRect(96, 43, 652, 19));
  EXPECT_EQ(window->skMonthCalendar1->geometry(), QRect(10, 12, 200, 150));
  EXPECT_EQ(window->skGroupBox1->title(), "Projects");
}

TEST_F(MainLayoutTest, LabelsAndLinksSitAtTheirStoredPlaces) {
  Open();
  EXPECT_EQ(window->lblProjName->pos(), QPoint(23, 22));
  EXPECT_EQ(window->skStdLabel2->pos(), QPoint(25, 44));
  EXPECT_EQ(window->skStdLabel2->text(), "Progress:");
  EXPECT_EQ(window->lblStartDate->pos(), QPoint(480, 22));
  EXPECT_EQ(window->lblEndDate->pos(), QPoint(607, 22));
  // A longer text grows a label to the right; its left edge stays.
  window->lblStartDate->setText("Start Date:  12/31/2008");
  QTest::qWait(0);
  EXPECT_EQ(window->lblStartDate->pos(), QPoint(480, 22));

  window->lblLink1URL->setText("A left link");
  window->lblLink2URL->setText("A right link with a longer caption");
  QTest::qWait(0);
  EXPECT_EQ(window->lblLink1URL->pos(), QPoint(13, 8));
  EXPECT_EQ(window->lblLink2URL->y(), 8);
  EXPECT_EQ(window->panLinks->width() - (window->lblLink2URL->x() + window->lblLink2URL->width()), 13)
      << "right-justified, 13 pixels from the strip's right edge";
  EXPECT_GT(window->lblLink2URL->width(), 36) << "grown to the left to hold its caption";
}

TEST_F(MainLayoutTest, TheAnimatedBannerTakesThePicturesBoundsAtCreation) {
  Open();
  // Nothing configured: both stay empty, laid over each other and centred.
  EXPECT_EQ(window->gifBanner->geometry(), window->imgBanner->geometry());
  EXPECT_EQ(window->imgBanner->geometry(), QRect(386, 32, 0, 0));
}

TEST_F(MainLayoutTest, StartsEmptyOnTheTasksPageWithTwentyFourHourRows) {
  Open();
  EXPECT_EQ(window->pgcMain->ActivePageIndex(), 0);
  EXPECT_EQ(window->pgcMain->Tabs()->tabText(0), "Tasks");
  EXPECT_EQ(window->pgcMain->Tabs()->tabText(1), "Calendar");
  EXPECT_EQ(window->pgcMain->Tabs()->shape(), QTabBar::RoundedSouth);
  EXPECT_EQ(window->tvwMain->topLevelItemCount(), 0);
  EXPECT_EQ(window->lvwItems->RowCount(), 0);
  EXPECT_EQ(window->lblProjName->text(), "Project Name:  ");
  EXPECT_EQ(window->lblStartDate->text(), "Start Date: ");
  EXPECT_EQ(window->lblEndDate->text(), "End Date: ");
  EXPECT_EQ(window->MainGauge->DisplayText(), "0/0 tasks  0%");
  EXPECT_EQ(window->skMonthCalendar1->Date(), QDate::currentDate());

  ASSERT_EQ(window->lvwToDo->RowCount(), 24);
  std::vector<QString> captions;
  for (int row = 0; row < 24; ++row) {
    captions.push_back(window->lvwToDo->Row(row).caption);
    EXPECT_EQ(window->lvwToDo->Row(row).sub_items, QStringList{QString()});
  }
  EXPECT_EQ(captions.front(), "1:00 AM");
  EXPECT_EQ(captions[10], "11:00 AM");
  EXPECT_EQ(captions[11], "12:00 M");
  EXPECT_EQ(captions[12], "1:00 PM");
  EXPECT_EQ(captions[22], "11:00 PM");
  EXPECT_EQ(captions.back(), "12:00 PM");
}

TEST_F(MainLayoutTest, ListsTreeMenuAndTimersHaveTheirSettings) {
  Open();
  auto* items_header = window->lvwItems->model();
  ASSERT_EQ(items_header->columnCount(), 5);
  EXPECT_EQ(items_header->headerData(1, Qt::Horizontal).toString(), "Task Description");
  EXPECT_EQ(window->lvwItems->columnWidth(0), 40);
  EXPECT_EQ(window->lvwItems->columnWidth(3), 100);
  // 60 pixels, grown so that the widest hour is never cut.
  EXPECT_GE(window->lvwToDo->columnWidth(0), 60);
  EXPECT_GT(window->lvwToDo->columnWidth(0), window->lvwToDo->fontMetrics().horizontalAdvance("10:00 AM"));
  EXPECT_EQ(window->lvwToDo->model()->headerData(1, Qt::Horizontal).toString(), "Action");
  EXPECT_EQ(window->tvwMain->indentation(), 19);
  EXPECT_EQ(window->ImageList1.size(), 2u);

  QStringList menu;
  for (QAction* action : window->skPopupMenu1->actions())
    menu << (action->isSeparator() ? QStringLiteral("-") : action->text());
  EXPECT_EQ(menu, (QStringList{"New Category", "-", "New Project", "Edit", "Delete"}));

  EXPECT_EQ(window->Timer1->interval(), 1000);
  EXPECT_FALSE(window->Timer1->isActive());
  EXPECT_EQ(window->Timer2->interval(), 100);
  // Enabled by the last creation step, it switches itself off at its tick.
  for (int waited = 0; window->Timer2->isActive() && waited < 5000; waited += 20) QTest::qWait(20);
  EXPECT_FALSE(window->Timer2->isActive());
}

TEST_F(MainLayoutTest, SkinnedControlsNameTheirSkinElement) {
  Open();
  const std::pair<QWidget*, const char*> controls[] = {
      {window->skPanel1, "panel"},        {window->btnSave, "button"},
      {window->lvwItems, "listview"},     {window->tvwMain, "treeview"},
      {window->pgcMain, "tab"},           {window->MainGauge, "statusgauge"},
      {window->lblProjName, "stdlabel"},  {window->skGroupBox1, "groupbox"},
      {window->skBevel1, "bevel"},        {window->skSplitter1, "vsplitter"},
      {window->lvwToDo->header(), "resizebutton"},
  };
  for (const auto& [control, element] : controls)
    EXPECT_EQ(control->property("SkinDataName").toString(), element) << control->objectName().toStdString();
}

TEST_F(MainLayoutTest, BannerPicturesAreCentredHalvingEachOperandTowardZero) {
  Open();
  window->imgBanner->SetPicture(QPixmap(105, 105));
  window->gifBanner->resize(99, 10);
  window->resize(QSize(773, 566).grownBy(window->contentsMargins()));
  window->resize(QSize(772, 566).grownBy(window->contentsMargins()));
  EXPECT_EQ(window->imgBanner->pos(), QPoint(334, -20));
  EXPECT_EQ(window->gifBanner->pos(), QPoint(337, 27));
}

TEST_F(MainLayoutTest, PlannerPanelFillsThePageRightOfTheCalendar) {
  Open();
  EXPECT_EQ(window->skTabSheet2->width(), 559);
  EXPECT_EQ(window->skPanel6->width(), 339);
  window->resize(QSize(900, 600).grownBy(window->contentsMargins()));
  EXPECT_EQ(window->skPanel6->width(), window->skTabSheet2->width() - 220);
  EXPECT_EQ(window->skPanel6->width(), 467);
}

TEST_F(MainLayoutTest, WideningKeepsRightAnchoredLabelsAndStretchesBevelAndGauge) {
  Open();
  window->lblLink2URL->setText("A right link");
  window->lblLink1URL->setText("A left link");
  QTest::qWait(0);
  const int link_right = window->lblLink2URL->geometry().right();
  const int start_left = window->lblStartDate->x();
  const int end_left = window->lblEndDate->x();
  window->resize(QSize(872, 566).grownBy(window->contentsMargins()));
  QTest::qWait(0);
  EXPECT_EQ(window->lblStartDate->x(), start_left + 100);
  EXPECT_EQ(window->lblEndDate->x(), end_left + 100);
  EXPECT_EQ(window->lblLink2URL->geometry().right(), link_right + 100);
  EXPECT_EQ(window->lblLink1URL->x(), 13);
  EXPECT_EQ(window->skBevel1->width(), 852);
  EXPECT_EQ(window->MainGauge->width(), 752);
  EXPECT_EQ(window->skGroupBox1->width(), 201) << "the tree pane keeps its width";
}

TEST_F(MainLayoutTest, DraggingTheSplitterResizesTheTreePaneWithinItsMinimum) {
  Open();
  TskSplitter* splitter = window->skSplitter1;
  QTest::mousePress(splitter, Qt::LeftButton, Qt::NoModifier, QPoint(5, 100));
  QTest::mouseMove(splitter, QPoint(65, 100));
  QTest::mouseRelease(splitter, Qt::LeftButton, Qt::NoModifier, QPoint(5, 100));
  EXPECT_EQ(window->skGroupBox1->width(), 261);
  EXPECT_EQ(window->pgcMain->width(), 501);

  QTest::mousePress(splitter, Qt::LeftButton, Qt::NoModifier, QPoint(5, 100));
  QTest::mouseMove(splitter, QPoint(-400, 100));
  QTest::mouseRelease(splitter, Qt::LeftButton, Qt::NoModifier, QPoint(5, 100));
  EXPECT_EQ(window->skGroupBox1->width(), 10);
}

TEST_F(MainLayoutTest, ARightClickOpensTheMenuWithoutMovingTheSelection) {
  Open("Work\r\nHome\r\n");
  ClickNode(Node("Home"));
  const QRect work = window->tvwMain->visualItemRect(Node("Work"));
  QTest::mousePress(window->tvwMain->viewport(), Qt::RightButton, Qt::NoModifier, work.center());
  EXPECT_FALSE(window->skPopupMenu1->isVisible()) << "the menu waits for the button to come up";
  QTest::mouseRelease(window->tvwMain->viewport(), Qt::RightButton, Qt::NoModifier, work.center());
  EXPECT_TRUE(window->skPopupMenu1->isVisible());
  window->skPopupMenu1->hide();
  ASSERT_EQ(window->tvwMain->selectedItems().size(), 1);
  EXPECT_EQ(window->tvwMain->selectedItems().first()->text(0), "Home");
}

TEST_F(MainLayoutTest, WhileADownloadWaitsTheWindowHandlesAllPendingEventsOrOnePassOfThem) {
  Open();
  // A chain of queued calls, each queueing the next: every link that runs
  // was posted after the one before it was handled.
  constexpr int kLinks = 20;
  int ran = 0;
  std::function<void()> link = [&] {
    if (++ran < kLinks) QMetaObject::invokeMethod(QCoreApplication::instance(), link, Qt::QueuedConnection);
  };
  QMetaObject::invokeMethod(QCoreApplication::instance(), link, Qt::QueuedConnection);
  TNetAntiFreeze& anti_freeze = *window->NetAntiFreeze1;
  anti_freeze.ApplicationHasPriority = false;
  TNetAntiFreeze::DoProcess(true);
  EXPECT_GE(ran, 1);
  EXPECT_LT(ran, kLinks) << "one pass leaves what was posted meanwhile";
  anti_freeze.ApplicationHasPriority = true;
  TNetAntiFreeze::DoProcess(true);
  EXPECT_EQ(ran, kLinks) << "all pending events, those posted meanwhile too";
}

TEST_F(MainLayoutTest, ErrorsShowInTheWindowsMessageBox) {
  folder.Write("Hours.dat", "only^two\r\n");
  TModalDriver::TSeenBox seen;
  driver.AnswerBox(true, &seen);
  Open();
  for (int waited = 0; driver.Pending() > 0 && waited < 2000; waited += 10) QTest::qWait(10);
  EXPECT_EQ(seen.caption, "Information");
  EXPECT_NE(seen.text.find("List index out of bounds"), std::string::npos) << seen.text;
  EXPECT_EQ(window->lvwToDo->RowCount(), 24) << "the steps after the failed one still ran";
}

}  // namespace
}  // namespace guitest
