// Data files that another writer changed after the program read them: a
// second copy of the program, a sync tool, an editor. A save overwrites such
// a change only when asked to.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/ModelBuilders.h"
#include "support/TemporaryFolder.h"

namespace {

class DataFilesOtherWriters : public ::testing::Test {
 protected:
  // Answers every question with `overwrite` and notes the file it names.
  TOverwriteQuery Answer(bool overwrite) {
    return [this, overwrite](const std::string& path) {
      asked.push_back(path);
      return overwrite;
    };
  }

  TemporaryAppFolder folder;
  std::vector<std::string> asked;
};

TEST_F(DataFilesOtherWriters, TwoCopiesOnOneFolderAskBeforeOverwritingEachOthersSaves) {
  folder.Write("categories.dat", "Work\r\n");
  TProjects first, second;
  first.LoadCategories();
  second.LoadCategories();
  first.Categories.Add("Mine");
  second.Categories.Add("Theirs");
  second.SaveCategories(Answer(false));
  second.SaveCategories(Answer(false));
  EXPECT_TRUE(asked.empty()) << "neither the file as read nor the program's own save is another writer's";

  first.SaveCategories(Answer(false));
  EXPECT_EQ(asked, std::vector<std::string>{folder.File("categories.dat")});
  EXPECT_EQ(folder.Read("categories.dat"), "Work\r\nTheirs\r\n");
  EXPECT_THROW(first.SaveCategories(), std::runtime_error) << "with nobody to ask, the change is kept";
  EXPECT_EQ(folder.Read("categories.dat"), "Work\r\nTheirs\r\n");
  first.SaveCategories(Answer(true));
  EXPECT_EQ(folder.Read("categories.dat"), "Work\r\nMine\r\n");

  asked.clear();
  first.SaveCategories(Answer(false));
  second.SaveCategories(Answer(false));
  EXPECT_EQ(asked, std::vector<std::string>{folder.File("categories.dat")}) << "the other copy is asked in turn";
  EXPECT_EQ(folder.Read("categories.dat"), "Work\r\nMine\r\n");
}

// Sync tools keep the size and set the time the file had elsewhere; some
// replace the file, some write into it. A file that appeared since the load
// is another writer's too; one that was removed holds nothing to lose.
TEST_F(DataFilesOtherWriters, ChangesThatKeepTheSizeOrTheTimeAreSeen) {
  const std::string path = folder.File("Hours.dat");
  const auto set_time = [&](time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  };
  // A copy of the program that read the file and made an entry of its own.
  const auto read_and_edit = [] {
    auto hours = std::make_unique<THours>();
    hours->LoadHours();
    AddHour(*hours, "1/2/2008", "1:00 AM", "mine");
    return hours;
  };

  folder.Write("Hours.dat", "1/2/2008^1:00 AM^old^\r\n");
  set_time(1000000000);
  auto copy = read_and_edit();
  folder.Write("Hours.dat", "1/2/2008^1:00 AM^new^\r\n");
  set_time(1000000000);
  copy->SaveHours(Answer(false));
  EXPECT_EQ(asked.size(), 1u) << "replaced with the same size and time";

  copy = read_and_edit();
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  ASSERT_EQ(::pwrite(fd, "NEW", 3, 17), 3);
  ::close(fd);
  set_time(900000000);
  copy->SaveHours(Answer(false));
  EXPECT_EQ(asked.size(), 2u) << "written in place with the same size";
  EXPECT_EQ(folder.Read("Hours.dat"), "1/2/2008^1:00 AM^NEW^\r\n");

  std::filesystem::remove(path);
  copy = read_and_edit();
  folder.Write("Hours.dat", "1/2/2008^2:00 AM^theirs^\r\n");
  copy->SaveHours(Answer(false));
  EXPECT_EQ(asked.size(), 3u) << "made where there was none";
  EXPECT_EQ(folder.Read("Hours.dat"), "1/2/2008^2:00 AM^theirs^\r\n");

  copy = read_and_edit();
  std::filesystem::remove(path);
  copy->SaveHours(Answer(false));
  EXPECT_EQ(asked.size(), 3u) << "removed";
  EXPECT_EQ(folder.Read("Hours.dat"), "1/2/2008^2:00 AM^theirs^\r\n1/2/2008^1:00 AM^mine^\r\n");
}

}  // namespace
