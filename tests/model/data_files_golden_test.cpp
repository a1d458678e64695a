// The exact bytes of each data file, and reading them back.
#include <gtest/gtest.h>

#include "model/ModelBuilders.h"
#include "support/TemporaryFolder.h"

namespace {

class DataFiles : public ::testing::Test {
 protected:
  TemporaryAppFolder folder;
};

TEST_F(DataFiles, ProjectsFileExampleBytes) {
  TProjects projects;
  TProject& ebook = AddProject(projects, "My Ebook", "Info Products", " 7/ 5/2008", " 8/ 1/2008");
  AddTask(ebook, true, "Purchase Domain Name");
  AddTask(ebook, false, "Write Web Sales Copy", "outline ready", " 7/ 6/2008", " 7/10/2008");
  AddProject(projects, "Empty", "Web Sites");
  projects.SaveProjects();
  EXPECT_EQ(folder.Read("Projects.dat"),
            "Header^My Ebook^Info Products^ 7/ 5/2008^ 8/ 1/2008^\r\n"
            "^True^,^Purchase Domain Name^,^^,^^,^^\r\n"
            "^False^,^Write Web Sales Copy^,^outline ready^,^ 7/ 6/2008^,^ 7/10/2008^\r\n"
            "EndProject\r\n"
            "Header^Empty^Web Sites^^^\r\n"
            "EndProject\r\n");

  TProjects loaded;
  loaded.LoadProjects();
  ASSERT_EQ(loaded.Count(), 2);
  const TProject& read = *loaded.Objects(0);
  EXPECT_EQ(loaded.Strings(0), "My Ebook");
  EXPECT_EQ(read.Category, "Info Products");
  EXPECT_EQ(read.StartDate, " 7/ 5/2008");
  EXPECT_EQ(read.EndDate, " 8/ 1/2008");
  ASSERT_EQ(read.Tasks.Count(), 2);
  EXPECT_TRUE(read.Tasks.Objects(0)->Done);
  EXPECT_EQ(read.Tasks.Objects(1)->Notes, "outline ready");
  EXPECT_EQ(read.Tasks.Objects(1)->EndDate, " 7/10/2008");
  EXPECT_EQ(loaded.Objects(1)->Tasks.Count(), 0);
}

TEST_F(DataFiles, CategoriesAndHoursExampleBytes) {
  TProjects projects;
  projects.Categories.Add("Web Sites");
  projects.Categories.Add("Info Products");
  projects.SaveCategories();
  EXPECT_EQ(folder.Read("categories.dat"), "Web Sites\r\nInfo Products\r\n");

  THours hours;
  AddHour(hours, "12/13/2007", "9:00 AM", "Call the designer");
  AddHour(hours, "12/13/2007", "12:00 M", "");
  hours.SaveHours();
  EXPECT_EQ(folder.Read("Hours.dat"), "12/13/2007^9:00 AM^Call the designer^\r\n12/13/2007^12:00 M^^\r\n");

  THours loaded;
  loaded.LoadHours();
  ASSERT_EQ(loaded.Count(), 2);
  EXPECT_EQ(loaded.Strings(1), "12/13/2007-12:00 M");
  EXPECT_EQ(loaded.Objects(1)->Action, "");
  EXPECT_EQ(loaded.IndexOf("12/13/2007-9:00 am"), 0);
}

TEST_F(DataFiles, MissingFilesLeaveCollectionsEmptyWithoutError) {
  TProjects projects;
  projects.Categories.Add("kept");
  THours hours;
  EXPECT_NO_THROW(projects.LoadCategories());
  EXPECT_NO_THROW(projects.LoadProjects());
  EXPECT_NO_THROW(hours.LoadHours());
  EXPECT_EQ(projects.Count(), 0);
  EXPECT_EQ(projects.Categories.Count(), 1) << "a missing categories file changes nothing";
  EXPECT_EQ(hours.Count(), 0);
}

TEST_F(DataFiles, ReadingRules) {
  folder.Write("categories.dat", "Web Sites\r\n\r\nInfo Products");
  folder.Write("projects.dat",
               "\r\nHeader^P^Web Sites^^^\r\n  \r\n^true^,^lower-case true is not done^,^^,^^,^^\n"
               "^True^,^done^,^^,^^,^^,^extra field^\rEndProject\r\n");
  folder.Write("Hours.dat", "\r\n1/2/2008^1:00 AM^cut^here^\r\n\t\r\n1/2/2008^1:00 AM^second^\r\n");
  TProjects projects;
  projects.LoadCategories();
  projects.LoadProjects();
  THours hours;
  hours.LoadHours();

  ASSERT_EQ(projects.Categories.Count(), 3);
  EXPECT_EQ(projects.Categories.Strings(1), "") << "a blank line is a category with an empty name";
  EXPECT_EQ(projects.Categories.Strings(2), "Info Products");
  ASSERT_EQ(projects.Count(), 1);
  ASSERT_EQ(projects.Objects(0)->Tasks.Count(), 2);
  EXPECT_FALSE(projects.Objects(0)->Tasks.Objects(0)->Done);
  EXPECT_TRUE(projects.Objects(0)->Tasks.Objects(1)->Done);
  ASSERT_EQ(hours.Count(), 2) << "duplicate keys are kept";
  EXPECT_EQ(hours.Objects(0)->Action, "cut");
}

TEST_F(DataFiles, WindowsCodePageTextShowsAndWritesBackTheSameBytes) {
  const std::string cafe_1252 = "Caf\xE9 \x80 \x93quoted\x94";
  folder.Write("categories.dat", cafe_1252 + "\r\n");
  folder.Write("projects.dat", "Header^" + cafe_1252 + "^" + cafe_1252 + "^^^\r\nEndProject\r\n");
  TProjects projects;
  projects.LoadCategories();
  projects.LoadProjects();
  EXPECT_EQ(projects.Categories.Strings(0), "Café € “quoted”");
  EXPECT_EQ(projects.Objects(0)->Name, "Café € “quoted”");
  EXPECT_EQ(projects.Categories.IndexOf("CAFÉ € “QUOTED”"), 0);
  projects.SaveCategories();
  projects.SaveProjects();
  EXPECT_EQ(folder.Read("categories.dat"), cafe_1252 + "\r\n");
  EXPECT_EQ(folder.Read("projects.dat"), "Header^" + cafe_1252 + "^" + cafe_1252 + "^^^\r\nEndProject\r\n");
}

TEST_F(DataFiles, ProjectsFileIsOneFileInAnyLetterCase) {
  folder.Write("PROJECTS.DAT", "Header^Old^c^^^\r\nEndProject\r\n");
  TProjects projects;
  projects.LoadProjects();
  ASSERT_EQ(projects.Count(), 1);
  projects.Objects(0)->Name = "New";
  projects.SaveProjects();
  EXPECT_EQ(folder.Read("PROJECTS.DAT"), "Header^New^c^^^\r\nEndProject\r\n");
  EXPECT_FALSE(folder.Has("Projects.dat")) << "the save replaces the file that was read";

  TemporaryAppFolder fresh;
  TProjects first;
  AddProject(first, "First", "c");
  first.SaveProjects();
  EXPECT_TRUE(fresh.Has("Projects.dat")) << "a first save creates it with the capital P";
  TProjects again;
  again.LoadProjects();
  EXPECT_EQ(again.Count(), 1) << "and it reads back through the name projects.dat";
}

}  // namespace
