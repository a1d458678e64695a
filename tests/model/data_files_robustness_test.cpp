// Files whose texts or structure the plain formats cannot carry: nothing may
// be lost, doubled or misread, and every file the program writes reads back
// to the same model.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>

#include "platform/Utf8.h"

#include "model/ModelBuilders.h"
#include "support/FileModesApply.h"
#include "support/FileSizeLimit.h"
#include "support/TemporaryFolder.h"

namespace {

class DataFilesRobustness : public ::testing::Test {
 protected:
  TemporaryAppFolder folder;
};

// The first line of an error: the load's or save's own message, before any
// note about what was done with the file.
std::string FirstLine(const std::exception& error) {
  const std::string message = error.what();
  return message.substr(0, message.find('\r'));
}

int EntriesIn(const std::string& folder) {
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
  return entries;
}

void ExpectSameProjects(const TProjects& a, const TProjects& b) {
  ASSERT_EQ(a.Count(), b.Count());
  for (int i = 0; i < a.Count(); ++i) {
    const TProject& x = *a.Objects(i);
    const TProject& y = *b.Objects(i);
    EXPECT_EQ(a.Strings(i), b.Strings(i));
    EXPECT_EQ(x.Name, y.Name);
    EXPECT_EQ(x.Category, y.Category);
    EXPECT_EQ(x.StartDate, y.StartDate);
    EXPECT_EQ(x.EndDate, y.EndDate);
    ASSERT_EQ(x.Tasks.Count(), y.Tasks.Count()) << x.Name;
    for (int t = 0; t < x.Tasks.Count(); ++t) {
      const TTask& p = *x.Tasks.Objects(t);
      const TTask& q = *y.Tasks.Objects(t);
      EXPECT_EQ(p.Done, q.Done);
      EXPECT_EQ(p.Name, q.Name);
      EXPECT_EQ(p.Notes, q.Notes);
      EXPECT_EQ(p.StartDate, q.StartDate);
      EXPECT_EQ(p.EndDate, q.EndDate);
    }
  }
}

TProjects SaveAndLoad(TProjects& projects) {
  projects.SaveCategories();
  projects.SaveProjects();
  TProjects loaded;
  loaded.LoadCategories();
  loaded.LoadProjects();
  return loaded;
}

TEST_F(DataFilesRobustness, TaskTextsThatLookLikeHeadersOrTerminatorsStayTasks) {
  TProjects projects;
  TProject& site = AddProject(projects, "Site", "Web");
  AddTask(site, false, "Page Header");
  AddTask(site, true, "EndProject", "EndProject");
  AddTask(site, false, "Header^", "notes with Header^ inside");
  AddProject(projects, "EndProject", "Web");
  TProjects loaded = SaveAndLoad(projects);
  ExpectSameProjects(projects, loaded);
}

TEST_F(DataFilesRobustness, CaretsLineBreaksAndTextOutsideTheCodePageSurvive) {
  TProjects projects;
  projects.Categories.Add("A^B");
  projects.Categories.Add("two\r\nlines");
  TProject& project = AddProject(projects, "x^y", "A^B", "1^2", "3\n4");
  AddTask(project, true, "name ^ with ^^ carets", "line one\r\nline two\nline three\rend", "\x1B", "中文 ✓");
  AddTask(project, false, "NUL \0 inside", "");
  project.Tasks.Objects(1)->Name = std::string("NUL \0 inside", 12);
  TProjects loaded = SaveAndLoad(projects);
  ExpectSameProjects(projects, loaded);
  ASSERT_EQ(loaded.Categories.Count(), 2);
  EXPECT_EQ(loaded.Categories.Strings(0), "A^B");
  EXPECT_EQ(loaded.Categories.Strings(1), "two\r\nlines");
  EXPECT_EQ(folder.Read("categories.dat"), "A^B\r\ntwo\x1B" "D;\x1B" "A;lines\r\n")
      << "a caret needs no escape in the categories file";
  EXPECT_NE(folder.Read("Projects.dat").find("Header^x\x1B" "5E;y^"), std::string::npos);

  THours hours;
  AddHour(hours, "1/2/2008", "9:00 AM", "call ^ back\nat noon");
  hours.SaveHours();
  THours hours_loaded;
  hours_loaded.LoadHours();
  ASSERT_EQ(hours_loaded.Count(), 1);
  EXPECT_EQ(hours_loaded.Objects(0)->Action, "call ^ back\nat noon");
}

// Day and Hour make the planner key; whatever they hold, the entry must come
// back under the same key, or the planner shows it under no slot.
TEST_F(DataFilesRobustness, PlannerKeysWithCaretsLineBreaksAndAnyCharacterSurvive) {
  THours hours;
  AddHour(hours, "12^13^2007", "9:00 AM", "caret in the day");
  AddHour(hours, "1/2/2008", "9:00\r\nAM", "CR LF in the hour");
  AddHour(hours, "day\rone", "hour\ntwo", "lone CR and LF");
  AddHour(hours, "2008年1月2日", "午前9:00", "outside the code page");
  AddHour(hours, "Ünïcödé €", "😀-^", "^\r\n\x1B");
  hours.SaveHours();
  THours loaded;
  loaded.LoadHours();
  ASSERT_EQ(loaded.Count(), hours.Count());
  for (int i = 0; i < hours.Count(); ++i) {
    EXPECT_EQ(loaded.Strings(i), hours.Strings(i));
    EXPECT_EQ(loaded.Objects(i)->Day, hours.Objects(i)->Day);
    EXPECT_EQ(loaded.Objects(i)->Hour, hours.Objects(i)->Hour);
    EXPECT_EQ(loaded.Objects(i)->Action, hours.Objects(i)->Action);
  }
  EXPECT_EQ(loaded.IndexOf("ÜNÏCÖDÉ €-😀-^"), 4) << "keys match without regard to case after the round trip";
  const std::string bytes = folder.Read("Hours.dat");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), hours.Count()) << "the only line breaks end records";
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), hours.Count());
}

TEST_F(DataFilesRobustness, StructureFaultsLoseNothingAndDoubleNothing) {
  folder.Write("projects.dat",
               "EndProject\r\n"                              // terminator without header: no data, passed over
               "^True^,^orphan^,^^,^^,^^\r\n"                // task before any header: kept
               "Header^First^c^^^\r\n"
               "^False^,^one^,^^,^^,^^\r\n"
               "Header^Second^c^^^\r\n"                      // First never terminated: kept anyway
               "^False^,^two^,^^,^^,^^\r\n"
               "EndProject\r\n"
               "EndProject\r\n"                              // a second terminator adds nothing again
               "Header^Last^c^^^\r\n"
               "^False^,^three^,^^,^^,^^\r\n");             // file ends inside a project: kept
  TProjects projects;
  projects.LoadProjects();
  ASSERT_EQ(projects.Count(), 4);
  EXPECT_EQ(projects.Objects(0)->Name, "");
  EXPECT_EQ(projects.Objects(0)->Tasks.Objects(0)->Name, "orphan");
  EXPECT_EQ(projects.Objects(1)->Name, "First");
  EXPECT_EQ(projects.Objects(1)->Tasks.Count(), 1);
  EXPECT_EQ(projects.Objects(2)->Name, "Second");
  EXPECT_EQ(projects.Objects(2)->Tasks.Count(), 1);
  EXPECT_EQ(projects.Objects(3)->Name, "Last");
  EXPECT_EQ(projects.Objects(3)->Tasks.Count(), 1);

  TProjects loaded = SaveAndLoad(projects);
  ExpectSameProjects(projects, loaded);
}

TEST_F(DataFilesRobustness, MalformedLineStopsLoadAndKeepsTheWholeFileAside) {
  const std::string original =
      "Header^Kept^c^^^\r\nEndProject\r\nHeader^Short^c^\r\nHeader^Never read^c^^^\r\nEndProject\r\n";
  folder.Write("projects.dat", original);
  TProjects projects;
  try {
    projects.LoadProjects();
    FAIL() << "expected the load to stop";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()),
              "List index out of bounds (3)\r\n"
              "Lines 1 to 2 were read and are in the window; line 3 and everything after it were not read and are "
              "missing from the window.\r\n"
              "The whole file was copied to \"" + folder.File("projects.dat.bak") +
                  "\" first. Save Changes writes only what the window shows, so the rest is in that copy.");
  }
  ASSERT_EQ(projects.Count(), 1) << "what was read before the error stays";
  EXPECT_EQ(folder.Read("projects.dat.bak"), original);

  projects.SaveProjects();  // writes only what was read ...
  EXPECT_EQ(folder.Read("projects.dat.bak"), original) << "... while the whole file stays kept";

  // A second failing file never overwrites a backup that holds something else.
  folder.Write("projects.dat", "Header^x^\r\n");
  TProjects again;
  EXPECT_THROW(again.LoadProjects(), std::runtime_error);
  EXPECT_EQ(folder.Read("projects.dat.bak"), original);
  EXPECT_EQ(folder.Read("projects.dat.bak2"), "Header^x^\r\n");
}

TEST_F(DataFilesRobustness, ShortTaskAndPlannerLinesNameTheMissingIndex) {
  folder.Write("projects.dat", "Header^P^c^^^\r\n^True^,^only two^\r\nEndProject\r\n");
  folder.Write("Hours.dat", "1/2/2008^1:00 AM^ok^\r\n1/2/2008\r\n");
  TProjects projects;
  THours hours;
  auto first_line = [](const std::runtime_error& error) {
    const std::string message = error.what();
    return message.substr(0, message.find('\r'));
  };
  try {
    projects.LoadProjects();
    FAIL();
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(first_line(error), "List index out of bounds (2)");
  }
  try {
    hours.LoadHours();
    FAIL();
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(first_line(error), "List index out of bounds (1)");
  }
  EXPECT_EQ(hours.Count(), 1);
  EXPECT_TRUE(folder.Has("Hours.dat.bak"));
}

TEST_F(DataFilesRobustness, FailedSaveReportsTheFileAndLeavesItWhole) {
  std::filesystem::create_directory(folder.File("Hours.dat"));
  THours hours;
  AddHour(hours, "d", "h", "a");
  try {
    hours.SaveHours();
    FAIL();
  } catch (const platform::FileError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Cannot create file \"" + folder.File("Hours.dat") + "\". ", 0), 0u)
        << error.what();
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("Hours.dat")));
  EXPECT_EQ(EntriesIn(folder.Path()), 1) << "no temporary file is left behind";
}

TEST_F(DataFilesRobustness, SaveThatFailsPartWayLeavesTheOldBytes) {
  const std::string old_bytes = "Header^Old^c^^^\r\nEndProject\r\n";
  folder.Write("Projects.dat", old_bytes);
  TProjects projects;
  for (int p = 0; p < 100; ++p) AddTask(AddProject(projects, "Project " + std::to_string(p), "c"), false, "task");
  {
    testsupport::TFileSizeLimit limit(old_bytes.size() + 10);
    try {
      projects.SaveProjects();
      FAIL() << "expected the write to fail";
    } catch (const platform::FileError& error) {
      EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + folder.File("Projects.dat") + "\". " +
                                               std::strerror(EFBIG));
    }
  }
  EXPECT_EQ(folder.Read("Projects.dat"), old_bytes);
  EXPECT_EQ(EntriesIn(folder.Path()), 1) << "no temporary file is left behind";
}

// A file that is there but cannot be read gives nothing to the model, and a
// save would replace all it holds with nothing: each save refuses, and leaves
// the file as it is, for as long as it is there.
TEST_F(DataFilesRobustness, FileThatCannotBeReadIsNeverSavedOver) {
  const std::string categories = "Work\r\n";
  const std::string projects_bytes = "Header^Kept^Work^^^\r\nEndProject\r\n";
  const std::string hours_bytes = "1/2/2008^1:00 AM^kept^\r\n";
  folder.Write("categories.dat", categories);
  folder.Write("projects.dat", projects_bytes);
  folder.Write("Hours.dat", hours_bytes);
  for (const char* name : {"categories.dat", "projects.dat", "Hours.dat"}) ::chmod(folder.File(name).c_str(), 0);

  TProjects projects;
  THours hours;
  {
    testsupport::TFileModesApply unreadable;
    for (const auto& [load, name] : {std::pair<std::function<void()>, std::string>{[&] { projects.LoadCategories(); },
                                                                                    "categories.dat"},
                                     {[&] { projects.LoadProjects(); }, "projects.dat"},
                                     {[&] { hours.LoadHours(); }, "Hours.dat"}}) {
      try {
        load();
        ADD_FAILURE() << name << " loaded";
      } catch (const platform::FileError& error) {
        EXPECT_EQ(FirstLine(error), "Cannot open file \"" + folder.File(name) + "\". " + std::strerror(EACCES));
        EXPECT_NE(std::string(error.what()).find("Save Changes will not write over this file."), std::string::npos);
      }
    }
  }
  for (const char* name : {"categories.dat", "projects.dat", "Hours.dat"}) ::chmod(folder.File(name).c_str(), 0644);
  EXPECT_EQ(projects.Count(), 0);
  projects.Categories.Add("New");
  AddProject(projects, "New", "New");
  AddHour(hours, "d", "h", "new");

  for (const auto& [save, name] : {std::pair<std::function<void()>, std::string>{[&] { projects.SaveCategories(); },
                                                                                  "categories.dat"},
                                   {[&] { projects.SaveProjects(); }, "projects.dat"},
                                   {[&] { hours.SaveHours(); }, "Hours.dat"}}) {
    try {
      save();
      ADD_FAILURE() << name << " saved";
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()).rfind("File \"" + folder.File(name) + "\" was not written: ", 0), 0u)
          << error.what();
    }
  }
  EXPECT_EQ(folder.Read("categories.dat"), categories);
  EXPECT_EQ(folder.Read("projects.dat"), projects_bytes);
  EXPECT_EQ(folder.Read("Hours.dat"), hours_bytes);

  // Moved away by the user, the file is safe, and the save goes ahead (and
  // every later one, too).
  std::filesystem::rename(folder.File("projects.dat"), folder.File("projects-old.dat"));
  projects.SaveProjects();
  projects.SaveProjects();
  EXPECT_EQ(folder.Read("Projects.dat"), "Header^New^New^^^\r\nEndProject\r\n");
}

// A NUL ends the text; what follows it is kept aside like the unread rest of
// a load that stopped early. NULs alone after it hold nothing and read as
// before.
TEST_F(DataFilesRobustness, TextAfterANulIsKeptAsideAndReported) {
  using namespace std::string_literals;
  const std::string projects_bytes = "Header^Read^c^^^\r\nEndProject\r\n\0Header^After^c^^^\r\nEndProject\r\n"s;
  const std::string categories = "Work\r\nHo\0me\r\n"s;
  folder.Write("projects.dat", projects_bytes);
  folder.Write("categories.dat", categories);
  folder.Write("Hours.dat", "1/2/2008^1:00 AM^a^\r\n\0\0\0"s);
  TProjects projects;
  try {
    projects.LoadProjects();
    FAIL() << "expected the load to report the NUL";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(FirstLine(error), "File \"" + folder.File("projects.dat") + "\" holds a NUL byte on line 3.");
    EXPECT_NE(std::string(error.what()).find(folder.File("projects.dat.bak")), std::string::npos) << error.what();
  }
  ASSERT_EQ(projects.Count(), 1);
  EXPECT_EQ(projects.Objects(0)->Name, "Read");
  EXPECT_EQ(folder.Read("projects.dat.bak"), projects_bytes);

  EXPECT_THROW(projects.LoadCategories(), std::runtime_error);
  ASSERT_EQ(projects.Categories.Count(), 2);
  EXPECT_EQ(projects.Categories.Strings(1), "Ho");
  EXPECT_EQ(folder.Read("categories.dat.bak"), categories);

  THours hours;
  EXPECT_NO_THROW(hours.LoadHours());
  EXPECT_EQ(hours.Count(), 1);
  EXPECT_FALSE(folder.Has("Hours.dat.bak"));
}

// When the copy cannot be made, the user still learns why the load stopped,
// and the save keeps off the file whose rest exists nowhere else.
TEST_F(DataFilesRobustness, BackupThatFailsKeepsTheLoadErrorAndTheFile) {
  const std::string original = "Header^Kept^c^^^\r\nEndProject\r\nHeader^Short^c^\r\nHeader^Unread^c^^^\r\n";
  folder.Write("projects.dat", original);
  std::filesystem::create_directory(folder.File("projects.dat.bak"));
  TProjects projects;
  try {
    projects.LoadProjects();
    FAIL() << "expected the load to stop";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(FirstLine(error), "List index out of bounds (3)");
    const std::string message = error.what();
    EXPECT_NE(message.find("No copy of the file could be kept (Cannot create file \"" + folder.File("projects.dat.bak")),
              std::string::npos)
        << message;
  }
  ASSERT_EQ(projects.Count(), 1);
  EXPECT_THROW(projects.SaveProjects(), std::runtime_error);
  EXPECT_EQ(folder.Read("projects.dat"), original);
}

// Large files go to disk a piece at a time; no record may be cut, lost or
// doubled where one piece ends and the next begins.
TEST_F(DataFilesRobustness, LargeFilesWrittenInPiecesReadBackWhole) {
  TProjects projects;
  THours hours;
  for (int p = 0; p < 3000; ++p) {
    TProject& project = AddProject(projects, "Project " + std::to_string(p), "c");
    for (int t = 0; t < 10; ++t) {
      AddTask(project, t % 2 == 0, "Task " + std::to_string(t), std::string(static_cast<size_t>(p % 97), 'n'));
      AddHour(hours, std::to_string(p), HourCaption(t + 1), "Action " + std::to_string(p * 10 + t));
    }
  }
  TProjects loaded = SaveAndLoad(projects);
  ASSERT_GT(folder.Read("Projects.dat").size(), 3u * 256 * 1024);
  ExpectSameProjects(projects, loaded);
  hours.SaveHours();
  ASSERT_GT(folder.Read("Hours.dat").size(), 2u * 256 * 1024);
  THours hours_loaded;
  hours_loaded.LoadHours();
  ASSERT_EQ(hours_loaded.Count(), hours.Count());
  for (int i = 0; i < hours.Count(); ++i) EXPECT_EQ(hours_loaded.Strings(i), hours.Strings(i));
}

// A record longer than a whole piece (a note pasted from a long document)
// makes its piece grow rather than spill or be cut.
TEST_F(DataFilesRobustness, RecordLongerThanAPieceIsWrittenWhole) {
  std::string note;
  for (int i = 0; i < 50000; ++i) note += "line " + std::to_string(i) + " ^ caf\xC3\xA9 \xE4\xB8\xAD\r\n";
  ASSERT_GT(note.size(), 1024u * 1024);
  TProjects projects;
  for (int p = 0; p < 3; ++p) {
    TProject& project = AddProject(projects, "Project " + std::to_string(p), "c");
    AddTask(project, false, "before", "short");
    AddTask(project, true, "long", p == 1 ? note : "");
    AddTask(project, false, "after", "short");
  }
  ExpectSameProjects(projects, SaveAndLoad(projects));
}

TEST_F(DataFilesRobustness, LeftoversOfAKilledSaveGoAtTheNextLoad) {
  folder.Write("Projects.dat", "Header^Whole^c^^^\r\nEndProject\r\n");
  folder.Write("Projects.dat.tmp-Q7pXz2", "Header^Half");
  std::filesystem::last_write_time(folder.File("Projects.dat.tmp-Q7pXz2"),
                                   std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  TProjects projects;
  projects.LoadProjects();
  EXPECT_EQ(projects.Count(), 1);
  EXPECT_EQ(EntriesIn(folder.Path()), 1);
}

TEST_F(DataFilesRobustness, RandomModelsReadBackUnchanged) {
  std::mt19937 random(20261208);
  const std::u32string alphabet = U"aZ 09^,\r\n\t\x1B\"é€中😀EndProjectHeader";
  auto text = [&] {
    std::string s;
    const int length = static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i) {
      const char32_t c = alphabet[random() % alphabet.size()];
      platform::AppendUtf8(s, c);
    }
    return s;
  };
  for (int round = 0; round < 20; ++round) {
    TProjects projects;
    for (int c = 0; c < 3; ++c) projects.Categories.Add(text());
    for (int p = 0; p < 4; ++p) {
      TProject& project = AddProject(projects, text(), text(), text(), text());
      for (int t = static_cast<int>(random() % 4); t > 0; --t)
        AddTask(project, random() % 2 == 0, text(), text(), text(), text());
    }
    TProjects loaded = SaveAndLoad(projects);
    ExpectSameProjects(projects, loaded);
    ASSERT_EQ(loaded.Categories.Count(), 3);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(loaded.Categories.Strings(c), projects.Categories.Strings(c));
  }
}

}  // namespace
