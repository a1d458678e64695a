// The category and project tree: building it, following its selection, and
// the commands on categories and projects.
#include <QComboBox>
#include <QMenu>
#include <QTest>

#include "gui/MainWindowFixture.h"
#include "ui/FCategory.h"
#include "ui/FNewProject.h"
#include "ui/controls/Button.h"
#include "ui/controls/DateEdit.h"
#include "ui/controls/Edit.h"
#include "ui/controls/ListView.h"
#include "ui/controls/StdLabel.h"
#include "ui/controls/TreeView.h"

namespace guitest {
namespace {

using Lines = std::vector<std::string>;
using TreeTest = MainWindowTest;

const char kTwoCategories[] = "Work\r\nHome\r\n";
const char kThreeProjects[] =
    "Header^Site^Work^1/1/2008^2/1/2008^\r\n^False^,^Write^,^^,^^,^^\r\nEndProject\r\n"
    "Header^Garden^Home^^^\r\nEndProject\r\n"
    "Header^Lost^work^^^\r\nEndProject\r\n";

const char kDeleteRefusal[] =
    "You can't delete a category with asociated projects! Please remove first the projects and try again.";

// Queues what the user does in the category dialog that Edit opens: checks
// that it offers `shown`, and renames the category to `typed`.
void ExpectCategoryEdit(TModalDriver& driver, const char* shown, const char* typed) {
  driver.Expect([shown, typed](QWidget* dialog) {
    auto* category = qobject_cast<TfrmCategory*>(dialog);
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(category->windowTitle(), "Edit category");
    EXPECT_EQ(category->edtName->text(), shown);
    ClearAndType(category->edtName, typed);
    Click(category->skButton1);
  });
}

TEST_F(TreeTest, ShowsCategoriesWithTheirProjectsComparedExactly) {
  Open(kTwoCategories, kThreeProjects);
  // "Lost" is filed under "work" in lower case: no node, but kept.
  EXPECT_EQ(TreeText(), (Lines{"Work", "  Site", "Home", "  Garden"}));
  EXPECT_EQ(window->Projects->Count(), 3);
  EXPECT_TRUE(Node("Work")->isExpanded());
  EXPECT_EQ(window->tvwMain->selectedItems().size(), 0);
  EXPECT_EQ(window->lblProjName->text(), "Project Name:  ");
}

TEST_F(TreeTest, SelectingAProjectShowsItAndACategoryEmptiesTheSummary) {
  Open(kTwoCategories, kThreeProjects);
  ClickNode(Node("Site", "Work"));
  ASSERT_NE(window->CurrentProject, nullptr);
  EXPECT_EQ(window->CurrentProject->Name, "Site");
  EXPECT_EQ(window->lblProjName->text(), "Project Name:  Site");
  EXPECT_EQ(window->lvwItems->RowCount(), 1);
  ClickNode(Node("Home"));
  EXPECT_EQ(window->lblProjName->text(), "Project Name:  ");
  EXPECT_EQ(window->lvwItems->RowCount(), 0);
  EXPECT_EQ(window->CurrentProject->Name, "Site") << "the current project is kept";
}

TEST_F(TreeTest, NewCategoriesAreAppendedAndDuplicatesIgnoringCaseIgnoredSilently) {
  Open();
  NewCategory("Work");
  NewCategory("work");
  NewCategory("WORK");
  NewCategory(" Home ");
  EXPECT_EQ(TreeText(), (Lines{"Work", " Home "}));
  EXPECT_EQ(window->Projects->Categories.Count(), 2);
}

TEST_F(TreeTest, ANewProjectIsSelectedAndShownAtOnce) {
  Open(kTwoCategories);
  NewProject("Launch", "Home");
  EXPECT_EQ(TreeText(), (Lines{"Work", "Home", "  Launch"}));
  ASSERT_NE(window->CurrentProject, nullptr);
  EXPECT_EQ(window->CurrentProject->Category, "Home");
  EXPECT_EQ(window->CurrentProject->Tasks.Count(), 0) << "new projects start without tasks";
  EXPECT_EQ(window->tvwMain->selectedItems().value(0), Node("Launch", "Home"));
  EXPECT_EQ(window->lblProjName->text(), "Project Name:  Launch");
  // Dates are the texts the date fields showed.
  EXPECT_EQ(window->CurrentProject->StartDate.size(), 10u);
}

TEST_F(TreeTest, AProjectWithoutCategoriesHasNoNodeButIsKept) {
  Open();
  NewProject("Homeless");
  EXPECT_TRUE(TreeText().empty());
  ASSERT_EQ(window->Projects->Count(), 1);
  EXPECT_EQ(window->Projects->Objects(0)->Category, "");
  Click(window->btnSave);
  EXPECT_EQ(folder.Read("Projects.dat").substr(0, 17), "Header^Homeless^^");
}

TEST_F(TreeTest, MenuAndButtonCreateProjectsAlikeAndSameNamesShowTheFirst) {
  Open(kTwoCategories, kThreeProjects);
  NewProject("Site", "Work");
  driver.Expect([](QWidget* dialog) {
    auto* project = qobject_cast<TfrmCreateProject*>(dialog);
    ASSERT_NE(project, nullptr);
    TypeInto(project->edtName, "Site");
    Click(project->skButton1);
  });
  window->AddProject1->trigger();
  EXPECT_EQ(TreeText(), (Lines{"Work", "  Site", "  Site", "  Site", "Home", "  Garden"}));
  // The last node of the name is selected, and shows the first project.
  EXPECT_EQ(window->tvwMain->selectedItems().value(0), Node("Work")->child(2));
  EXPECT_EQ(window->CurrentProject, window->Projects->Objects(0));
  ClickNode(Node("Work")->child(1));
  EXPECT_EQ(window->CurrentProject, window->Projects->Objects(0));
}

TEST_F(TreeTest, EditingAProjectKeepsItsTasksAndPlaceAndSelectsIt) {
  Open(kTwoCategories, kThreeProjects);
  ClickNode(Node("Site", "Work"));
  driver.Expect([](QWidget* dialog) {
    auto* project = qobject_cast<TfrmCreateProject*>(dialog);
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->windowTitle(), "Edit current project");
    EXPECT_EQ(project->edtName->text(), "Site");
    EXPECT_EQ(project->cbxCategories->currentText(), "Work");
    EXPECT_EQ(project->edtStartDate->text(), "1/1/2008") << "stored dates are shown unchanged";
    EXPECT_TRUE(project->chkDefault->isHidden());
    ClearAndType(project->edtName, "Shop");
    project->cbxCategories->setCurrentIndex(1);
    Click(project->skButton1);
  });
  window->Rename1->trigger();
  EXPECT_EQ(TreeText(), (Lines{"Work", "Home", "  Shop", "  Garden"}));
  EXPECT_EQ(window->Projects->Strings(0), "Shop");
  EXPECT_EQ(window->Projects->Objects(0)->Tasks.Count(), 1);
  EXPECT_EQ(window->tvwMain->selectedItems().value(0), Node("Shop", "Home"));
  EXPECT_EQ(window->lblProjName->text(), "Project Name:  Shop");
}

TEST_F(TreeTest, EditingAProjectSelectsItsOwnCategoryInTheBox) {
  Open(kTwoCategories, kThreeProjects);
  ClickNode(Node("Garden", "Home"));
  std::string shown;
  driver.Expect([&shown](QWidget* dialog) {
    auto* project = qobject_cast<TfrmCreateProject*>(dialog);
    shown = project->cbxCategories->currentText().toStdString();
    Click(project->skButton2);
  });
  window->Rename1->trigger();
  EXPECT_EQ(shown, "Home");
}

TEST_F(TreeTest, RenamingACategoryRenamesItsProjectsAndMayDuplicateAName) {
  Open(kTwoCategories, kThreeProjects);
  ClickNode(Node("Home"));
  ExpectCategoryEdit(driver, "Home", "Work");
  window->Rename1->trigger();
  EXPECT_EQ(TreeText(), (Lines{"Work", "  Site", "  Garden", "Work", "  Site", "  Garden"}));
  EXPECT_EQ(window->Projects->Objects(1)->Category, "Work");
  EXPECT_EQ(window->Projects->Objects(2)->Category, "work") << "membership compares exactly";
  EXPECT_EQ(window->tvwMain->selectedItems().size(), 0);
}

TEST_F(TreeTest, CategoriesDifferingOnlyInCaseAreEditedAndDeletedOnTheirOwnEntry) {
  Open("Work\r\nWORK\r\n");
  ClickNode(window->tvwMain->topLevelItem(1));
  ExpectCategoryEdit(driver, "WORK", "Jobs");
  window->Rename1->trigger();
  EXPECT_EQ(TreeText(), (Lines{"Work", "Jobs"}));

  NewCategory("Spare");
  window->Projects->Categories.SetString(2, "JOBS");
  window->FillTree("");
  ClickNode(window->tvwMain->topLevelItem(2));
  driver.AnswerBox(true);
  QTest::keyClick(window->tvwMain, Qt::Key_Delete);
  EXPECT_EQ(TreeText(), (Lines{"Work", "Jobs"}));
}

TEST_F(TreeTest, DeletingACategoryAsksFirstThenRefusesWhenProjectsAreFiledInIt) {
  Open(kTwoCategories, kThreeProjects);
  ClickNode(Node("Work"));
  TModalDriver::TSeenBox question, refusal;
  driver.AnswerBox(true, &question);
  driver.AnswerBox(true, &refusal);
  window->Delete1->trigger();
  EXPECT_EQ(question.text, "Are you sure to delete current category?");
  EXPECT_TRUE(question.had_cancel);
  EXPECT_EQ(question.caption, "Information");
  EXPECT_EQ(refusal.text, kDeleteRefusal);
  EXPECT_TRUE(refusal.had_cancel) << "the refusal offers OK and Cancel, and its answer is not used";
  EXPECT_EQ(window->Projects->Categories.Count(), 2);
  EXPECT_EQ(TreeText(), (Lines{"Work", "  Site", "Home", "  Garden"}));
}

TEST_F(TreeTest, DeletingAnEmptyCategoryCancelledThenConfirmed) {
  Open("Work\r\nEmpty\r\n", kThreeProjects);
  ClickNode(Node("Empty"));
  driver.AnswerBox(false);
  window->Delete1->trigger();
  EXPECT_EQ(window->Projects->Categories.Count(), 2);
  driver.AnswerBox(true);
  window->Delete1->trigger();
  EXPECT_EQ(TreeText(), (Lines{"Work", "  Site"}));
}

TEST_F(TreeTest, DeletingAProjectWithTheDeleteKeyAsksAndEmptiesTheSummary) {
  Open(kTwoCategories, kThreeProjects);
  ClickNode(Node("Site", "Work"));
  TModalDriver::TSeenBox question;
  driver.AnswerBox(false, &question);
  QTest::keyClick(window->tvwMain, Qt::Key_Delete);
  EXPECT_EQ(question.text, "Are you sure to delete current project?");
  EXPECT_EQ(window->Projects->Count(), 3);
  EXPECT_EQ(window->lblProjName->text(), "Project Name:  Site");

  driver.AnswerBox(true);
  QTest::keyClick(window->tvwMain, Qt::Key_Delete);
  EXPECT_EQ(window->Projects->Count(), 2);
  EXPECT_EQ(window->CurrentProject, nullptr);
  EXPECT_EQ(TreeText(), (Lines{"Work", "Home", "  Garden"}));
  EXPECT_EQ(window->lblProjName->text(), "Project Name:  ");
  EXPECT_EQ(window->lvwItems->RowCount(), 0);
}

// Right-clicks `node` and picks `item` from the menu that opens, both with
// the mouse.
void PickFromMenu(TfrmMain& window, QTreeWidgetItem* node, QAction* item) {
  ASSERT_NE(node, nullptr);
  QTest::mouseClick(window.tvwMain->viewport(), Qt::RightButton, Qt::NoModifier,
                    window.tvwMain->visualItemRect(node).center());
  ASSERT_TRUE(window.skPopupMenu1->isVisible());
  QTest::mouseClick(window.skPopupMenu1, Qt::LeftButton, Qt::NoModifier,
                    window.skPopupMenu1->actionGeometry(item).center());
}

TEST_F(TreeTest, EditAndDeletePickedFromTheMenuActOnTheTreesSelectionNotTheClickedNode) {
  Open(kTwoCategories, kThreeProjects);
  ClickNode(Node("Garden", "Home"));
  TModalDriver::TSeenBox question;
  driver.AnswerBox(true, &question);
  PickFromMenu(*window, Node("Work"), window->Delete1);
  EXPECT_EQ(question.text, "Are you sure to delete current project?");
  EXPECT_EQ(TreeText(), (Lines{"Work", "  Site", "Home"}));

  ClickNode(Node("Home"));
  ExpectCategoryEdit(driver, "Home", "House");
  PickFromMenu(*window, Node("Site", "Work"), window->Rename1);
  EXPECT_EQ(TreeText(), (Lines{"Work", "  Site", "House"}));
  EXPECT_FALSE(window->skPopupMenu1->isVisible());
}

TEST_F(TreeTest, EditAndDeleteWithNothingSelectedDoNothing) {
  Open(kTwoCategories, kThreeProjects);
  window->Rename1->trigger();
  window->Delete1->trigger();
  QTest::keyClick(window->tvwMain, Qt::Key_Delete);
  QTest::qWait(30);
  EXPECT_EQ(window->Projects->Count(), 3);
  EXPECT_EQ(window->Projects->Categories.Count(), 2);
}

TEST_F(TreeTest, CancelledDialogsChangeNothing) {
  Open(kTwoCategories, kThreeProjects);
  ClickNode(Node("Site", "Work"));
  driver.Expect([](QWidget* dialog) {
    auto* project = qobject_cast<TfrmCreateProject*>(dialog);
    ClearAndType(project->edtName, "Renamed");
    Click(project->skButton2);
  });
  window->Rename1->trigger();
  driver.Expect([](QWidget* dialog) { static_cast<QDialog*>(dialog)->close(); });
  window->NewCategory1->trigger();
  EXPECT_EQ(TreeText(), (Lines{"Work", "  Site", "Home", "  Garden"}));
  EXPECT_EQ(window->tvwMain->selectedItems().value(0), Node("Site", "Work"));
}

}  // namespace
}  // namespace guitest
