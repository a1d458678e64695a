// The workspace with a large model: 2,000 projects in 50 categories, one of
// them with 20,000 tasks. Filling the tree, selecting the large project and
// ticking one of its tasks, each next to filling a bare Qt widget with the
// same rows. Every figure includes the event processing (layout, painting)
// that follows, on Qt's offscreen platform. The tick is also set beside the
// recount of done tasks it includes and beside a bare check-box toggle.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/AppFolder.h"
#include "ui/FMain.h"
#include "ui/controls/ListView.h"
#include "ui/controls/TreeView.h"

namespace {

constexpr int kCategories = 50;
constexpr int kProjects = 2000;
constexpr int kLargeTasks = 20000;
const std::string kLargeProject = "Project 0";

std::string CategoryName(int c) { return "Category " + std::to_string(c); }

void FillModel(TProjects& projects) {
  for (int c = 0; c < kCategories; ++c) projects.Categories.Add(CategoryName(c));
  for (int p = 0; p < kProjects; ++p) {
    auto project = std::make_unique<TProject>();
    project->Name = "Project " + std::to_string(p);
    project->Category = CategoryName(p % kCategories);
    project->StartDate = "1/1/2008";
    project->EndDate = "12/31/2008";
    if (project->Name == kLargeProject)
      for (int t = 0; t < kLargeTasks; ++t)
        project->Tasks.Add("Task", std::make_unique<TTask>(t % 3 == 0, "Task " + std::to_string(t),
                                                           "Some notes on the task", "1/1/2008", "2/1/2008"));
    const std::string name = project->Name;
    projects.Add(name, std::move(project));
  }
}

// One window over an empty application folder, filled in memory.
TfrmMain& Window() {
  static std::unique_ptr<TfrmMain> window = [] {
    const auto folder = std::filesystem::temp_directory_path() / "tarvik-bench-empty";
    std::filesystem::create_directories(folder);
    platform::SetAppFolder(folder.string());
    auto created = std::make_unique<TfrmMain>();
    created->Timer2->stop();  // no update check: nothing is looked up outside the machine
    FillModel(*created->Projects);
    created->show();
    QApplication::processEvents();
    return created;
  }();
  return *window;
}

QTreeWidgetItem* LargeProjectNode(TfrmMain& window) {
  return window.tvwMain->topLevelItem(0)->child(0);
}

void BM_FillTree(benchmark::State& state) {
  TfrmMain& window = Window();
  for (auto _ : state) {
    window.FillTree("");
    QApplication::processEvents();
  }
  state.counters["nodes"] = kCategories + kProjects;
}
BENCHMARK(BM_FillTree)->Unit(benchmark::kMillisecond);

void BM_BareTreeWidgetFill(benchmark::State& state) {
  QTreeWidget tree;
  tree.resize(201, 342);
  tree.show();
  for (auto _ : state) {
    tree.clear();
    QList<QTreeWidgetItem*> top;
    for (int c = 0; c < kCategories; ++c) {
      auto* category = new QTreeWidgetItem(QStringList(QString::fromStdString(CategoryName(c))));
      for (int p = c; p < kProjects; p += kCategories)
        new QTreeWidgetItem(category, QStringList(QStringLiteral("Project %1").arg(p)));
      top.append(category);
    }
    tree.addTopLevelItems(top);
    tree.expandAll();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_BareTreeWidgetFill)->Unit(benchmark::kMillisecond);

void BM_SelectLargeProject(benchmark::State& state) {
  TfrmMain& window = Window();
  window.FillTree("");
  for (auto _ : state) {
    state.PauseTiming();
    window.tvwMain->setCurrentItem(window.tvwMain->topLevelItem(1));
    QApplication::processEvents();
    state.ResumeTiming();
    window.tvwMain->setCurrentItem(LargeProjectNode(window));
    QApplication::processEvents();
  }
  if (window.lvwItems->RowCount() != kLargeTasks) state.SkipWithError("the large project was not shown");
}
BENCHMARK(BM_SelectLargeProject)->Unit(benchmark::kMillisecond);

void BM_BareListFill(benchmark::State& state) {
  QTreeWidget list;
  list.setColumnCount(5);
  list.setRootIsDecorated(false);
  list.setUniformRowHeights(true);
  list.resize(559, 270);
  list.show();
  for (auto _ : state) {
    list.clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(kLargeTasks);
    for (int t = 0; t < kLargeTasks; ++t) {
      auto* row = new QTreeWidgetItem(QStringList{QString(), QStringLiteral("Task %1").arg(t),
                                                  QStringLiteral("Some notes on the task"),
                                                  QStringLiteral("1/1/2008"), QStringLiteral("2/1/2008")});
      row->setCheckState(0, t % 3 == 0 ? Qt::Checked : Qt::Unchecked);
      rows.append(row);
    }
    list.addTopLevelItems(rows);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_BareListFill)->Unit(benchmark::kMillisecond);

void BM_TickTaskOfLargeProject(benchmark::State& state) {
  TfrmMain& window = Window();
  window.FillTree(kLargeProject);
  TskListView& list = *window.lvwItems;
  for (auto _ : state) {
    list.SetChecked(kLargeTasks / 2, !list.Checked(kLargeTasks / 2));
    QApplication::processEvents();
  }
}
BENCHMARK(BM_TickTaskOfLargeProject)->Unit(benchmark::kMillisecond);

// The share of a tick that grows with the project: ShowProgress counts the
// done tasks twice, once for the percentage and once for the progress text.
void BM_RecountLargeProject(benchmark::State& state) {
  TfrmMain& window = Window();
  int index = -1;
  const TProject& project = *window.Projects->FindProjectByName(kLargeProject, index);
  for (auto _ : state) {
    benchmark::DoNotOptimize(project.PercentDone());
    benchmark::DoNotOptimize(project.DoneCount());
  }
}
BENCHMARK(BM_RecountLargeProject)->Unit(benchmark::kMillisecond);

void BM_BareListTick(benchmark::State& state) {
  QTreeWidget list;
  list.setColumnCount(5);
  list.setRootIsDecorated(false);
  list.setUniformRowHeights(true);
  list.resize(559, 270);
  QList<QTreeWidgetItem*> rows;
  for (int t = 0; t < kLargeTasks; ++t) {
    auto* row = new QTreeWidgetItem(QStringList{QString(), QStringLiteral("Task %1").arg(t)});
    row->setCheckState(0, Qt::Unchecked);
    rows.append(row);
  }
  list.addTopLevelItems(rows);
  list.show();
  QTreeWidgetItem* ticked = list.topLevelItem(kLargeTasks / 2);
  for (auto _ : state) {
    ticked->setCheckState(0, ticked->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_BareListTick)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::setenv("LC_ALL", "C", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
