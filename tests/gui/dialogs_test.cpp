// The four entry dialogs: layout, focus, the OK check and its messages, and
// which keys close them.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextLayout>
#include <gtest/gtest.h>

#include "gui/GuiTestSupport.h"
#include "ui/FCategory.h"
#include "ui/FHour.h"
#include "ui/FNewProject.h"
#include "ui/FTask.h"
#include "ui/controls/Button.h"
#include "ui/controls/DateEdit.h"
#include "ui/controls/Edit.h"
#include "ui/controls/MessageBox.h"
#include "ui/controls/MonthCalendar.h"
#include <QToolButton>

using guitest::TModalDriver;

namespace {

QString Today() {
  const QDate today = QDate::currentDate();
  return QStringLiteral("%1/%2/%3")
      .arg(today.month(), 2, 10, QLatin1Char(' '))
      .arg(today.day(), 2, 10, QLatin1Char(' '))
      .arg(today.year());
}

class DialogsTest : public ::testing::Test {
 protected:
  QWidget owner;
  TskMessageBox messages{&owner};
  TModalDriver driver;

  void TearDown() override {
    EXPECT_EQ(driver.Pending(), 0);
    EXPECT_TRUE(driver.Unexpected().empty());
  }

  // Queues what the user does in the dialog once it is open.
  void WhenOpen(TEntryDialog& dialog, std::function<void(TEntryDialog&)> user) {
    driver.Expect([&dialog, user](QWidget* window) {
      ASSERT_EQ(window, &dialog);
      user(dialog);
    });
  }
  // Runs the dialog as its command does and returns whether it closed with OK.
  static bool Show(TEntryDialog& dialog) { return dialog.exec() == QDialog::Accepted; }
  bool Run(TEntryDialog& dialog, std::function<void(TEntryDialog&)> user) {
    WhenOpen(dialog, std::move(user));
    return Show(dialog);
  }
};

TEST_F(DialogsTest, EachDialogHasItsStoredCaptionSizeAndFirstFocus) {
  TTextList none;
  TfrmCreateProject project(none, messages, &owner);
  TfrmTask task(messages, &owner);
  TfrmCategory category(messages, &owner);
  TfrmHour hour(messages, &owner);
  struct Expected {
    TEntryDialog* dialog;
    const char* caption;
    QSize size;
    QWidget* first;
  } expected[] = {
      {&project, "Create new project", {415, 147}, project.edtName},
      {&task, "Task details", {451, 261}, task.edtName},
      {&category, "Add category", {330, 80}, category.skButton1},
      {&hour, "Edit action", {330, 114}, hour.skButton1},
  };
  for (const Expected& e : expected) {
    QWidget* focused = nullptr;
    driver.Expect([&focused](QWidget* window) {
      focused = QApplication::focusWidget();
      static_cast<QDialog*>(window)->reject();
    });
    EXPECT_EQ(e.dialog->exec(), QDialog::Rejected);
    EXPECT_EQ(e.dialog->windowTitle(), QString::fromLatin1(e.caption));
    EXPECT_EQ(e.dialog->size(), e.size);
    EXPECT_EQ(focused, e.first) << e.caption;
    EXPECT_EQ(e.dialog->skButton1->text(), "Ok");
    EXPECT_EQ(e.dialog->skButton2->text(), "Cancel");
  }
}

TEST_F(DialogsTest, TabGoesThroughTheFieldsInTheStoredOrder) {
  TTextList none;
  TfrmCreateProject project(none, messages, &owner);
  // The hidden check box is passed over.
  const std::vector<QWidget*> order = {project.edtName, project.skButton1, project.skButton2,
                                       project.edtStartDate, project.edtEndDate, project.cbxCategories};
  std::vector<QWidget*> visited;
  driver.Expect([&](QWidget*) {
    for (size_t i = 0; i < order.size(); ++i) {
      visited.push_back(QApplication::focusWidget());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    project.reject();
  });
  project.exec();
  EXPECT_EQ(visited, order);
  EXPECT_TRUE(project.chkDefault->isHidden());
  EXPECT_FALSE(project.chkDefault->isChecked());
  EXPECT_EQ(project.chkDefault->text(), "Use Default Project To Do List");
}

TEST_F(DialogsTest, TheOtherDialogsTabInTheirStoredOrderToo) {
  TfrmTask task(messages, &owner);
  TfrmCategory category(messages, &owner);
  TfrmHour hour(messages, &owner);
  const std::pair<TEntryDialog*, std::vector<QWidget*>> cases[] = {
      {&task, {task.edtName, task.skButton1, task.skButton2, task.memNotes, task.chkDone, task.edtStartDate,
               task.edtEndDate}},
      {&category, {category.skButton1, category.skButton2, category.edtName}},
      {&hour, {hour.skButton1, hour.skButton2, hour.edtName}},
  };
  for (const auto& [dialog, order] : cases) {
    std::vector<QWidget*> visited;
    driver.Expect([&, dialog = dialog, count = order.size()](QWidget*) {
      for (size_t i = 0; i <= count; ++i) {  // one more Tab wraps round to the first
        visited.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      }
      dialog->reject();
    });
    dialog->exec();
    std::vector<QWidget*> expected = order;
    expected.push_back(order.front());
    EXPECT_EQ(visited, expected) << dialog->windowTitle().toStdString();
  }
}

TEST_F(DialogsTest, BlankNamesAreRefusedWithEachDialogsMessageAndFocusReturnsToTheName) {
  TTextList none;
  TfrmCreateProject project(none, messages, &owner);
  TfrmTask task(messages, &owner);
  TfrmCategory category(messages, &owner);
  TfrmHour hour(messages, &owner);
  const std::pair<TEntryDialog*, const char*> cases[] = {
      {&project, "A valid project name is required!"},
      {&task, "A valid task description is required!"},
      {&category, "A valid category name is required!"},
      {&hour, "A valid action is required!"},
  };
  for (const auto& [dialog, message] : cases) {
    TModalDriver::TSeenBox seen;
    bool stayed_open = false;
    bool name_focused = false;
    WhenOpen(*dialog, [&](TEntryDialog& d) {
      d.edtName->setText(QStringLiteral(" \t  "));
      guitest::Click(d.skButton1);  // the box is answered while this waits
      stayed_open = d.isVisible();
      name_focused = d.focusWidget() == d.edtName;
      EXPECT_EQ(d.edtName->text(), QStringLiteral(" \t  "));
      d.edtName->setText(QStringLiteral("  spaced  "));
      guitest::Click(d.skButton1);
    });
    driver.AnswerBox(true, &seen);
    EXPECT_TRUE(Show(*dialog)) << message;
    EXPECT_TRUE(stayed_open);
    EXPECT_TRUE(name_focused);
    EXPECT_EQ(seen.caption, "Information");
    EXPECT_EQ(seen.text, message);
    EXPECT_FALSE(seen.had_cancel);
    EXPECT_EQ(dialog->edtName->text(), QStringLiteral("  spaced  ")) << "blanks around text are kept";
  }
}

TEST_F(DialogsTest, EnterAndEscapeInAFieldPressNeitherButton) {
  TfrmCategory category(messages, &owner);
  bool still_open = false;
  const bool ok = Run(category, [&](TEntryDialog& d) {
    d.edtName->setFocus();
    guitest::TypeInto(d.edtName, QStringLiteral("Work"));
    QTest::keyClick(d.edtName, Qt::Key_Return);
    QTest::keyClick(d.edtName, Qt::Key_Enter);
    QTest::keyClick(d.edtName, Qt::Key_Escape);
    still_open = d.isVisible();
    guitest::Click(d.skButton2);
  });
  EXPECT_TRUE(still_open);
  EXPECT_FALSE(ok);
}

TEST_F(DialogsTest, EnterAndEscapeInDateFieldsNotesAndTheCategoryBoxPressNeitherButton) {
  TTextList categories;
  categories.Add("Work");
  TfrmCreateProject project(categories, messages, &owner);
  TfrmTask task(messages, &owner);
  const std::pair<TEntryDialog*, std::vector<QWidget*>> cases[] = {
      {&project, {project.edtStartDate, project.edtEndDate, project.cbxCategories}},
      {&task, {task.memNotes, task.edtStartDate, task.edtEndDate}},
  };
  for (const auto& [dialog, fields] : cases) {
    bool still_open = true;
    const bool ok = Run(*dialog, [&, fields = fields](TEntryDialog& d) {
      for (QWidget* field : fields) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        QTest::keyClick(field, Qt::Key_Escape);
        still_open = still_open && d.isVisible();
      }
      guitest::Click(d.skButton2);
    });
    EXPECT_TRUE(still_open) << dialog->windowTitle().toStdString();
    EXPECT_FALSE(ok);
  }
  EXPECT_EQ(task.memNotes->toPlainText(), QStringLiteral("\n\n")) << "Enter in the notes breaks the line";
}

TEST_F(DialogsTest, EnterInTheHourDialogsActionRunsTheOkCheck) {
  TfrmHour hour(messages, &owner);
  TModalDriver::TSeenBox seen;
  bool open_after_empty_enter = false;
  WhenOpen(hour, [&](TEntryDialog& d) {
    QTest::keyClick(d.edtName, Qt::Key_Return);
    open_after_empty_enter = d.isVisible();
    guitest::TypeInto(d.edtName, QStringLiteral("Call Bob"));
    QTest::keyClick(d.edtName, Qt::Key_Return);
  });
  driver.AnswerBox(true, &seen);
  EXPECT_TRUE(Show(hour));
  EXPECT_TRUE(open_after_empty_enter);
  EXPECT_EQ(seen.text, "A valid action is required!");
  EXPECT_EQ(hour.edtName->text(), "Call Bob");
}

TEST_F(DialogsTest, ClosingThroughTheFrameIsCancel) {
  TfrmTask task(messages, &owner);
  EXPECT_FALSE(Run(task, [](TEntryDialog& d) {
    d.edtName->setText("Something");
    d.close();
  }));
}

TEST_F(DialogsTest, MessageBoxAnswersTheButtonPressedAndAFrameCloseIsCancel) {
  QString caption;
  driver.Expect([&](QWidget* box) {
    caption = box->windowTitle();
    qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(messages.MessageDlg("Go on?", TMsgDlgType::Warning, TMsgDlgButtons::OkCancel), TModalResult::Ok);
  EXPECT_EQ(caption, QStringLiteral("Warning"));
  driver.Expect([](QWidget* box) { box->close(); });
  EXPECT_EQ(messages.MessageDlg("Go on?", TMsgDlgType::Information, TMsgDlgButtons::OkCancel),
            TModalResult::Cancel);
  driver.Expect([](QWidget* box) { box->close(); });
  EXPECT_EQ(messages.MessageDlg("Noted.", TMsgDlgType::Information, TMsgDlgButtons::Ok), TModalResult::Cancel);
  driver.Expect([](QWidget* box) { qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click(); });
  EXPECT_EQ(messages.MessageDlg("Noted.", TMsgDlgType::Information, TMsgDlgButtons::Ok), TModalResult::Ok);
}

TEST_F(DialogsTest, MessageBoxWrapsAPathOnlyAfterItsSeparators) {
  QStringList lines;
  driver.Expect([&lines](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    const QString shown = box->text();
    QTextLayout layout(shown, box->font());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrap);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(160);
      lines << shown.mid(line.textStart(), line.textLength()).remove(QChar(0x2060)).remove(QChar(0x200B)).trimmed();
    }
    layout.endLayout();
    QTest::keySequence(box, QKeySequence::Copy);
    box->close();
  });
  messages.Inform("The whole file was copied to \"/projectmanagerdata/someone/tarvik-data/projects.dat.bak\" first.");
  EXPECT_EQ(lines.join(QString()).remove(QLatin1Char(' ')),
            QStringLiteral("Thewholefilewascopiedto\"/projectmanagerdata/someone/tarvik-data/projects.dat.bak\"first."));
  for (const QString& line : lines) {
    if (!line.contains(QLatin1Char('/')) || line.contains(QStringLiteral(".bak"))) continue;
    EXPECT_TRUE(line.endsWith(QLatin1Char('/')) && !line.endsWith(QStringLiteral("\"/"))) << line.toStdString();
  }
  EXPECT_GT(lines.size(), 2) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("\"/projectmanagerdata/someone/")))
      << "a copy of the message holds the path as it is";
}

TEST_F(DialogsTest, ProjectDialogListsTheCategoriesAndSelectsTheFirst) {
  TTextList categories;
  categories.Add("Work");
  categories.Add("Home");
  TfrmCreateProject project(categories, messages, &owner);
  ASSERT_EQ(project.cbxCategories->count(), 2);
  EXPECT_EQ(project.cbxCategories->itemText(1), "Home");
  EXPECT_EQ(project.cbxCategories->currentText(), "Work");
  EXPECT_FALSE(project.cbxCategories->isEditable());

  TTextList none;
  TfrmCreateProject empty(none, messages, &owner);
  EXPECT_TRUE(Run(empty, [](TEntryDialog& d) {
    d.edtName->setText("Alone");
    guitest::Click(d.skButton1);
  }));
  EXPECT_EQ(empty.cbxCategories->currentText(), "");
}

// The keys reach the typing rules (tested on their own in date_mask_test)
// the way a user presses them.
TEST_F(DialogsTest, DateFieldsStoreTheDateTypedOverHomeASelectionOrAnEmptyText) {
  TfrmTask task(messages, &owner);
  EXPECT_EQ(task.edtStartDate->text(), Today());
  EXPECT_EQ(task.edtEndDate->text(), Today());

  TskDateEdit* field = task.edtStartDate;
  field->setText(QStringLiteral("12/10/2026"));
  QTest::keyClick(field, Qt::Key_Home);
  QTest::keyClicks(field, QStringLiteral("01022009"));
  EXPECT_EQ(field->text(), QStringLiteral("01/02/2009"));
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->text(), QStringLiteral("01/02/20  "));
  QTest::keyClicks(field, QStringLiteral("13"));
  EXPECT_EQ(field->text(), QStringLiteral("01/02/2013"));
  QTest::keySequence(field, QKeySequence::SelectAll);
  QTest::keyClicks(field, QStringLiteral("1/2/2009"));
  EXPECT_EQ(field->text(), QStringLiteral(" 1/ 2/2009"));
  QTest::keyClick(field, Qt::Key_Home);
  QTest::keyClicks(field, QStringLiteral("2/30"));  // no 30 February: the 0 is refused
  EXPECT_EQ(field->text(), QStringLiteral(" 2/3 /2009"));

  field->setText(QString());
  QTest::keyClicks(field, QStringLiteral("7/5/2008"));
  EXPECT_EQ(field->text(), QStringLiteral(" 7/ 5/2008"));

  QApplication::clipboard()->setText(QStringLiteral("12/24/2008"));
  field->selectAll();
  QTest::keySequence(field, QKeySequence::Cut);
  EXPECT_EQ(field->text(), QStringLiteral("  /  /    "));
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral(" 7/ 5/2008"));
  QTest::keySequence(field, QKeySequence::Paste);
  EXPECT_EQ(field->text(), QStringLiteral(" 7/ 5/2008"));
  QApplication::clipboard()->setText(QStringLiteral("not a date"));
  field->selectAll();
  QTest::keySequence(field, QKeySequence::Paste);
  EXPECT_EQ(field->text(), QStringLiteral(" 7/ 5/2008"));

  // A date stored in another form is shown, and read back, unchanged.
  const QString stored = QStringLiteral("Tuesday, 1 July 2008");
  field->setText(stored);
  EXPECT_EQ(field->text(), stored);
}

TEST_F(DialogsTest, DateFieldDropsDownAMonthCalendarThatSetsTheText) {
  TfrmCreateProject project(TTextList{}, messages, &owner);
  TskDateEdit* field = project.edtEndDate;
  field->setText(QStringLiteral(" 7/ 5/2008"));
  guitest::Click(field->DropDownButton());
  auto* calendar = QApplication::activePopupWidget()
                       ? QApplication::activePopupWidget()->findChild<TskMonthCalendar*>("DropDownCalendar")
                       : nullptr;
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(calendar->Date(), QDate(2008, 7, 5));
  EXPECT_EQ(calendar->size(), QSize(200, 150));
  QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier, calendar->DayRect(QDate(2008, 7, 19)).center());
  EXPECT_EQ(field->text(), QStringLiteral(" 7/19/2008"));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(DialogsTest, TheDropDownCalendarsWeeksStartOnSunday) {
  TfrmTask task(messages, &owner);
  TskDateEdit* field = task.edtStartDate;
  // The week of 4 June 2008 runs from Sunday the 1st to Saturday the 7th.
  const std::pair<bool, QString> cases[] = {{true, QStringLiteral(" 6/ 1/2008")},
                                            {false, QStringLiteral(" 6/ 7/2008")}};
  for (const auto& [leftmost, picked] : cases) {
    field->setText(QStringLiteral(" 6/18/2008"));
    guitest::Click(field->DropDownButton());
    QWidget* popup = QApplication::activePopupWidget();
    auto* calendar = popup ? popup->findChild<TskMonthCalendar*>("DropDownCalendar") : nullptr;
    ASSERT_NE(calendar, nullptr);
    const int y = calendar->DayRect(QDate(2008, 6, 4)).center().y();
    QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier, QPoint(leftmost ? 2 : calendar->width() - 3, y));
    EXPECT_EQ(field->text(), picked);
  }
}

}  // namespace
