// The category and project tree: building it from the model, following its
// selection, and the commands that create, edit and delete categories and
// projects.
#include <QTreeWidgetItem>
#include <memory>

#include "ui/FCategory.h"
#include "ui/FMain.h"
#include "ui/FNewProject.h"
#include "ui/QtText.h"
#include "platform/ScopedFlag.h"
#include "ui/controls/DateEdit.h"
#include "ui/controls/Edit.h"
#include "ui/controls/MessageBox.h"
#include "ui/controls/TreeView.h"

namespace {

constexpr int kFolderImage = 0;
constexpr int kBookImage = 1;

std::string TextOf(const QTreeWidgetItem* node) { return node->text(0).toStdString(); }

}  // namespace

void TfrmMain::FillTree(const std::string& SelectName) {
  ClearProjectSummary();
  {
    const TScopedFlag emptying(emptying_tree_);
    tvwMain->clear();
  }
  // The nodes are built apart and handed to the tree at once, so that a tree
  // of thousands of projects fills in one go.
  QList<QTreeWidgetItem*> categories;
  QTreeWidgetItem* selected = nullptr;
  for (int c = 0; c < Projects->Categories.Count(); ++c) {
    const std::string& category = Projects->Categories.Strings(c);
    auto category_node = std::make_unique<QTreeWidgetItem>(QStringList(ToQ(category)));
    category_node->setIcon(0, ImageList1[kFolderImage]);
    for (int p = 0; p < Projects->Count(); ++p) {
      const TProject& project = *Projects->Objects(p);
      if (project.Category != category) continue;
      auto project_node = std::make_unique<QTreeWidgetItem>(QStringList(ToQ(project.Name)));
      project_node->setIcon(0, ImageList1[kBookImage]);
      if (!SelectName.empty() && project.Name == SelectName) selected = project_node.get();
      category_node->addChild(project_node.release());  // the category node owns it now
    }
    categories.append(category_node.release());  // the tree takes them below
  }
  tvwMain->addTopLevelItems(categories);
  for (QTreeWidgetItem* node : categories)
    if (node->childCount() > 0) node->setExpanded(true);
  // Selecting reaches tvwMainChange, which shows the project at once.
  if (selected) tvwMain->setCurrentItem(selected);
}

QTreeWidgetItem* TfrmMain::SelectedNode() const {
  const QList<QTreeWidgetItem*> selection = tvwMain->selectedItems();
  return selection.isEmpty() ? nullptr : selection.first();
}

void TfrmMain::tvwMainChange(QTreeWidgetItem* Node) {
  if (SuppressChange || !Node) return;
  if (Node->parent()) {
    int index = -1;
    CurrentProject = Projects->FindProjectByName(TextOf(Node), index);
    if (CurrentProject) ShowProjectSummary();
  } else {
    ClearProjectSummary();
  }
}

void TfrmMain::tvwMainKeyDown(int Key, bool* Handled) {
  if (Key != Qt::Key_Delete) return;
  *Handled = true;
  Delete1Click();
}

void TfrmMain::NewCategory1Click() {
  const auto dialog = std::make_unique<TfrmCategory>(*msgMain, this);
  dialog->setWindowTitle(QStringLiteral("Add new category"));
  if (dialog->exec() != QDialog::Accepted) return;
  const std::string name = dialog->edtName->text().toStdString();
  if (Projects->Categories.IndexOf(name) >= 0) return;
  Projects->Categories.Add(name);
  FillTree("");
}

void TfrmMain::btn1Click() {
  const auto dialog = std::make_unique<TfrmCreateProject>(Projects->Categories, *msgMain, this);
  if (dialog->exec() != QDialog::Accepted) return;
  auto project = std::make_unique<TProject>();
  project->Name = dialog->edtName->text().toStdString();
  project->Category = dialog->cbxCategories->currentText().toStdString();
  project->StartDate = dialog->edtStartDate->text().toStdString();
  project->EndDate = dialog->edtEndDate->text().toStdString();
  if (dialog->chkDefault->isChecked())
    project->SetDefaultTasks();
  else
    project->ClearTasks();
  const std::string name = project->Name;
  CurrentProject = project.get();
  Projects->Add(name, std::move(project));
  FillTree(name);
}

void TfrmMain::AddProject1Click() { btn1Click(); }

int TfrmMain::CategoryIndexOfNode(const QTreeWidgetItem* node) const {
  // Every change of the category list rebuilds the tree, so a top-level
  // node's position is its entry's position; this keeps two categories that
  // differ only in letter case apart.
  const int index = tvwMain->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(node));
  if (index < 0 || index >= Projects->Categories.Count()) return -1;
  return Projects->Categories.Strings(index) == TextOf(node) ? index : -1;
}

void TfrmMain::Rename1Click() {
  const QTreeWidgetItem* node = SelectedNode();
  if (!node) return;
  if (node->parent())
    EditProject(TextOf(node));
  else
    EditCategory(node);
}

void TfrmMain::EditProject(const std::string& name) {
  int index = -1;
  TProject* project = Projects->FindProjectByName(name, index);
  if (!project) return;
  const auto dialog = std::make_unique<TfrmCreateProject>(Projects->Categories, *msgMain, this);
  dialog->setWindowTitle(QStringLiteral("Edit current project"));
  dialog->edtName->setText(ToQ(project->Name));
  // The project's own entry, not the first whose name differs only in
  // letter case: Ok must not move the project to another category.
  const int category = dialog->cbxCategories->findText(ToQ(project->Category), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (dialog->cbxCategories->count() > 0) dialog->cbxCategories->setCurrentIndex(category >= 0 ? category : 0);
  dialog->edtStartDate->setText(ToQ(project->StartDate));
  dialog->edtEndDate->setText(ToQ(project->EndDate));
  dialog->chkDefault->hide();
  if (dialog->exec() != QDialog::Accepted) return;
  project->Name = dialog->edtName->text().toStdString();
  project->Category = dialog->cbxCategories->currentText().toStdString();
  project->StartDate = dialog->edtStartDate->text().toStdString();
  project->EndDate = dialog->edtEndDate->text().toStdString();
  Projects->SetString(index, project->Name);
  FillTree(project->Name);
}

void TfrmMain::EditCategory(const QTreeWidgetItem* node) {
  const int index = CategoryIndexOfNode(node);
  if (index < 0) return;
  const auto dialog = std::make_unique<TfrmCategory>(*msgMain, this);
  dialog->setWindowTitle(QStringLiteral("Edit category"));
  dialog->edtName->setText(node->text(0));
  if (dialog->exec() != QDialog::Accepted) return;
  const std::string old_name = Projects->Categories.Strings(index);
  const std::string new_name = dialog->edtName->text().toStdString();
  Projects->Categories.SetString(index, new_name);
  for (int p = 0; p < Projects->Count(); ++p)
    if (Projects->Objects(p)->Category == old_name) Projects->Objects(p)->Category = new_name;
  FillTree("");
}

void TfrmMain::Delete1Click() {
  const QTreeWidgetItem* node = SelectedNode();
  if (!node) return;
  if (node->parent())
    DeleteProject(TextOf(node));
  else
    DeleteCategory(node);
}

void TfrmMain::DeleteProject(const std::string& name) {
  int index = -1;
  if (!Projects->FindProjectByName(name, index)) return;
  if (!msgMain->Confirm("Are you sure to delete current project?")) return;
  CurrentProject = nullptr;
  Projects->Delete(index);
  FillTree("");
}

void TfrmMain::DeleteCategory(const QTreeWidgetItem* node) {
  const int index = CategoryIndexOfNode(node);
  if (index < 0) return;
  const std::string name = Projects->Categories.Strings(index);
  if (!msgMain->Confirm("Are you sure to delete current category?")) return;
  for (int p = 0; p < Projects->Count(); ++p) {
    if (Projects->Objects(p)->Category != name) continue;
    msgMain->MessageDlg(
        "You can't delete a category with asociated projects! Please remove first the projects and try again.",
        TMsgDlgType::Information, TMsgDlgButtons::OkCancel);
    return;
  }
  Projects->Categories.Delete(index);
  FillTree("");
}
