#include <gtest/gtest.h>

#include "model/UProjects.h"

namespace {

TProject ProjectWithDone(int done, int total) {
  TProject project;
  for (int i = 0; i < total; ++i)
    project.Tasks.Add("t", std::make_unique<TTask>(i < done, "t", "", "", ""));
  return project;
}

TEST(PercentDone, RoundsHalvesToEven) {
  struct Case {
    int done, total, percent;
  };
  for (const Case c : {Case{0, 0, 0}, Case{1, 8, 12}, Case{3, 8, 38}, Case{5, 8, 62}, Case{1, 40, 2},
                       Case{1, 3, 33}, Case{2, 3, 67}, Case{8, 8, 100}, Case{0, 5, 0}}) {
    const TProject project = ProjectWithDone(c.done, c.total);
    EXPECT_EQ(project.PercentDone(), c.percent) << c.done << "/" << c.total;
    EXPECT_EQ(project.DoneCount(), c.done);
  }
}

TEST(FindProjectByName, MatchesOwnNameExactlyAndFirst) {
  TProjects projects;
  for (const char* name : {"Alpha", "Beta", "Beta"}) {
    auto project = std::make_unique<TProject>();
    project->Name = name;
    projects.Add(name, std::move(project));
  }
  projects.SetString(0, "renamed entry text");
  int index = 42;
  EXPECT_EQ(projects.FindProjectByName("alpha", index), nullptr);
  EXPECT_EQ(index, 42) << "a miss leaves the index alone";
  EXPECT_EQ(projects.FindProjectByName("Alpha", index), projects.Objects(0)) << "the field, not the entry text";
  EXPECT_EQ(index, 0);
  EXPECT_EQ(projects.FindProjectByName("Beta", index), projects.Objects(1));
  EXPECT_EQ(index, 1);
}

TEST(SetDefaultTasks, ReplacesTasksByTheElevenDefaults) {
  TProject project = ProjectWithDone(2, 3);
  project.SetDefaultTasks();
  ASSERT_EQ(project.Tasks.Count(), 11);
  EXPECT_EQ(project.DoneCount(), 0);
  EXPECT_EQ(project.Tasks.Strings(0), "Purchase Domain Name");
  EXPECT_EQ(project.Tasks.Objects(4)->Name, "Header & Box Graphics");
  EXPECT_EQ(project.Tasks.Objects(10)->Name, "Sell one");
  EXPECT_EQ(project.Tasks.Objects(10)->Notes, "");
}

TEST(StringList, FindsByTextWithoutCaseAndKeepsOrderAndDuplicates) {
  TTextList categories;
  categories.Add("Work");
  categories.Add("Home");
  categories.Add("work");
  EXPECT_EQ(categories.IndexOf("WORK"), 0);
  EXPECT_EQ(categories.IndexOf("home"), 1);
  EXPECT_EQ(categories.IndexOf("Garden"), -1);
  categories.Delete(0);
  EXPECT_EQ(categories.IndexOf("WORK"), 1);
  EXPECT_THROW(categories.Strings(2), std::out_of_range);
}

TEST(Hours, KeysMatchWithoutCase) {
  THours hours;
  hours.Add(PlannerKey("12/13/2007", "9:00 AM"), std::make_unique<TToDoHour>("12/13/2007", "9:00 AM", "Call"));
  EXPECT_EQ(hours.IndexOf("12/13/2007-9:00 am"), 0);
}

TEST(HourCaption, NoonIsMAndMidnightIsTheLastPmRow) {
  std::vector<std::string> captions;
  for (int row = 1; row <= 24; ++row) captions.push_back(HourCaption(row));
  EXPECT_EQ(captions[0], "1:00 AM");
  EXPECT_EQ(captions[10], "11:00 AM");
  EXPECT_EQ(captions[11], "12:00 M");
  EXPECT_EQ(captions[12], "1:00 PM");
  EXPECT_EQ(captions[22], "11:00 PM");
  EXPECT_EQ(captions[23], "12:00 PM");
}

}  // namespace
