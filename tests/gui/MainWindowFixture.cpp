#include "gui/MainWindowFixture.h"
#include "ui/QtText.h"

#include <QComboBox>
#include <QTest>

#include "ui/FCategory.h"
#include "ui/FNewProject.h"
#include "ui/FTask.h"
#include "ui/controls/Button.h"
#include "ui/controls/Edit.h"
#include "ui/controls/ListView.h"
#include "ui/controls/TreeView.h"

namespace guitest {

void MainWindowTest::TearDown() {
  EXPECT_EQ(driver.Pending(), 0) << "a dialog or message that was expected did not open";
  EXPECT_TRUE(driver.Unexpected().empty()) << "unexpected: " << driver.Unexpected().front();
  window.reset();
}

void MainWindowTest::Open(const std::string& categories, const std::string& projects, const std::string& hours) {
  if (!categories.empty()) folder.Write("categories.dat", categories);
  if (!projects.empty()) folder.Write("projects.dat", projects);
  if (!hours.empty()) folder.Write("Hours.dat", hours);
  window = std::make_unique<TfrmMain>();
  window->UpdateBaseUrl = updates.BaseUrl();
  window->UpdateTimeLimits = update_time_limits;
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

QTreeWidgetItem* MainWindowTest::Node(const std::string& text, const std::string& category) const {
  const QString wanted = ToQ(text);
  for (int c = 0; c < window->tvwMain->topLevelItemCount(); ++c) {
    QTreeWidgetItem* top = window->tvwMain->topLevelItem(c);
    if (category.empty()) {
      if (top->text(0) == wanted) return top;
      continue;
    }
    if (top->text(0) != ToQ(category)) continue;
    for (int p = 0; p < top->childCount(); ++p)
      if (top->child(p)->text(0) == wanted) return top->child(p);
  }
  return nullptr;
}

void MainWindowTest::ClickNode(QTreeWidgetItem* node) {
  ASSERT_NE(node, nullptr);
  window->tvwMain->scrollToItem(node);
  const QRect place = window->tvwMain->visualItemRect(node);
  QTest::mouseClick(window->tvwMain->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
}

std::vector<std::string> MainWindowTest::TreeText() const {
  std::vector<std::string> lines;
  for (int c = 0; c < window->tvwMain->topLevelItemCount(); ++c) {
    QTreeWidgetItem* top = window->tvwMain->topLevelItem(c);
    lines.push_back(top->text(0).toStdString());
    for (int p = 0; p < top->childCount(); ++p) lines.push_back("  " + top->child(p)->text(0).toStdString());
  }
  return lines;
}

void MainWindowTest::ClickRow(QWidget* list, int row) {
  auto* view = static_cast<TskListView*>(list);
  const QModelIndex index = view->model()->index(row, 1);
  view->scrollTo(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
}

void MainWindowTest::NewCategory(const std::string& name) {
  driver.Expect([name](QWidget* dialog) {
    auto* category = qobject_cast<TfrmCategory*>(dialog);
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(category->windowTitle(), "Add new category");
    TypeInto(category->edtName, QString::fromStdString(name));
    Click(category->skButton1);
  });
  window->NewCategory1->trigger();
}

void MainWindowTest::NewProject(const std::string& name, const std::string& category) {
  driver.Expect([name, category](QWidget* dialog) {
    auto* project = qobject_cast<TfrmCreateProject*>(dialog);
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->windowTitle(), "Create new project");
    TypeInto(project->edtName, QString::fromStdString(name));
    if (!category.empty()) project->cbxCategories->setCurrentText(QString::fromStdString(category));
    Click(project->skButton1);
  });
  Click(window->btn1);
}

void MainWindowTest::AddTask(const std::string& name, bool done) {
  driver.Expect([name, done](QWidget* dialog) {
    auto* task = qobject_cast<TfrmTask*>(dialog);
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->windowTitle(), "Add task");
    TypeInto(task->edtName, QString::fromStdString(name));
    if (done) Click(task->chkDone);
    Click(task->skButton1);
  });
  Click(window->btnAdd);
}

}  // namespace guitest
