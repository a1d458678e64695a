// Opening a record in its dialog and pressing Ok changes no byte of the data
// files, whatever its texts hold; and the notes keep what the user types.
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QTest>
#include <functional>

#include "gui/MainWindowFixture.h"
#include "model/DataFileFormats.h"
#include "platform/ShortDate.h"
#include "ui/FTask.h"
#include "ui/controls/Button.h"
#include "ui/controls/Edit.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MessageBox.h"
#include "ui/controls/PageControl.h"

namespace guitest {
namespace {

using RecordsKeptTest = MainWindowTest;

// Everything a text may hold that a control could change on its way through:
// no-break space, each kind of line break, Unicode line and paragraph
// separators, a tab, a C1 control, a character beyond the code page, the
// escape and field separator of the files, a byte order mark, characters a
// text document takes for structure, and blanks at either end.
const std::string kTricky =
    "\uFEFF  a\u00A0b\rc\r\nd\ne\u2028f\u2029g\th\u0081\u4E2D\x1B^\uFDD0\uFFFC ";

TEST_F(RecordsKeptTest, OkInEveryDialogWithoutAChangeKeepsEveryByteOfTheFiles) {
  TProjects projects;
  projects.Categories.Add(kTricky);
  auto project = std::make_unique<TProject>();
  project->Name = kTricky;
  project->Category = kTricky;
  project->StartDate = kTricky;
  project->EndDate = kTricky;
  // A name longer than a plain line edit keeps.
  project->Tasks.Add("task", std::make_unique<TTask>(true, kTricky + std::string(40000, 'x'), kTricky, kTricky,
                                                     kTricky));
  projects.Add(kTricky, std::move(project));
  THours hours;
  const QDate today = QDate::currentDate();
  // The hour in another letter case than the slot's caption still names it.
  hours.Add("", std::make_unique<TToDoHour>(platform::FormatShortDate(today.year(), today.month(), today.day()),
                                            "9:00 am", kTricky));
  const std::string categories_bytes = datafiles::CategoriesText(projects.Categories);
  const std::string projects_bytes = datafiles::ProjectsText(projects);
  const std::string hours_bytes = datafiles::HoursText(hours);
  Open(categories_bytes, projects_bytes, hours_bytes);

  const struct {
    const char* record;
    std::function<void()> open;
  } cases[] = {
      {"category",
       [&] {
         ClickNode(Node(kTricky));
         window->Rename1->trigger();
       }},
      {"project",
       [&] {
         ClickNode(Node(kTricky, kTricky));
         window->Rename1->trigger();
       }},
      {"task",
       [&] {
         ClickNode(Node(kTricky, kTricky));
         ClickRow(window->lvwItems, 0);
         Click(window->btnEdit);
       }},
      {"planner hour",
       [&] {
         window->pgcMain->SetActivePageIndex(1);
         ClickRow(window->lvwToDo, 8);
         Click(window->btnEditHour);
       }},
  };
  for (const auto& c : cases) {
    driver.Expect([](QWidget* dialog) { Click(Find<TskButton>(dialog, "skButton1")); });
    c.open();
    EXPECT_EQ(driver.Pending(), 0) << c.record << ": no dialog opened";
    Click(window->btnSave);
    EXPECT_EQ(folder.Read("categories.dat"), categories_bytes) << c.record;
    EXPECT_EQ(folder.Read("projects.dat"), projects_bytes) << c.record;
    EXPECT_EQ(folder.Read("Hours.dat"), hours_bytes) << c.record;
  }
}

TEST_F(RecordsKeptTest, NotesKeepEachLineBreakAndTakeTypedAndPastedTextAsItIs) {
  QWidget owner;
  TskMessageBox messages(&owner);
  TfrmTask dialog(messages, &owner);
  TskMemo* notes = dialog.memNotes;
  notes->SetText(QStringLiteral("a\r\nbc\rd"));
  notes->moveCursor(QTextCursor::Start);
  notes->moveCursor(QTextCursor::Down);
  notes->moveCursor(QTextCursor::Right);
  QTest::keyClick(notes, Qt::Key_Return);  // "b" | "c"
  EXPECT_EQ(notes->Text(), QStringLiteral("a\r\nb\nc\rd"));
  QTest::keyClick(notes, Qt::Key_Backspace);
  EXPECT_EQ(notes->Text(), QStringLiteral("a\r\nbc\rd"));
  QTest::keyClick(notes, Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClicks(notes, QStringLiteral("\u00A0"));
  EXPECT_EQ(notes->Text(), QStringLiteral("a\r\nb\n\u00A0c\rd"));
  QApplication::clipboard()->setText(QStringLiteral("x\r\ny\u2029"));
  QTest::keySequence(notes, QKeySequence::Paste);
  EXPECT_EQ(notes->Text(), QStringLiteral("a\r\nb\n\u00A0x\r\ny\u2029c\rd"));
  notes->moveCursor(QTextCursor::Start);
  notes->moveCursor(QTextCursor::EndOfBlock);
  QTest::keyClick(notes, Qt::Key_Delete);  // the first line takes the second in
  EXPECT_EQ(notes->Text(), QStringLiteral("ab\n\u00A0x\r\ny\u2029c\rd"));
}

}  // namespace
}  // namespace guitest
