#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "platform/AppFolder.h"
#include "platform/FileSystem.h"
#include "support/TemporaryFolder.h"

namespace {

TEST(AppFolder, IsTheExecutablesFolderWithTrailingSlash) {
  const std::string& folder = platform::AppFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(platform::FileExists(folder + "platform_tests"));
}

TEST(FileSystem, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
  TemporaryFolder folder;
  folder.Write("a.dat", "old content that is longer");
  ::chmod(folder.File("a.dat").c_str(), 0600);
  platform::WriteWholeFileAtomically(folder.File("a.dat"), "new");
  EXPECT_EQ(folder.Read("a.dat"), "new");
  struct stat info {};
  ASSERT_EQ(::stat(folder.File("a.dat").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u) << "keeps the permissions of the file it replaces";
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(FileSystem, WriterThatGoesWithoutCommitLeavesTheOldFileAndNoTemporary) {
  TemporaryFolder folder;
  folder.Write("a.dat", "old");
  {
    platform::TAtomicFileWriter file(folder.File("a.dat"));
    file.Write("new, ");
    file.Write("in pieces");
    EXPECT_EQ(folder.Read("a.dat"), "old") << "nothing shows before the commit";
  }
  EXPECT_EQ(folder.Read("a.dat"), "old");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++entries;
  EXPECT_EQ(entries, 1);

  platform::TAtomicFileWriter file(folder.File("a.dat"));
  file.Write("new, ");
  file.Write("in pieces");
  file.Commit();
  EXPECT_EQ(folder.Read("a.dat"), "new, in pieces");
}

// What a killed save leaves behind goes at the next start; a save still
// running, a fresh file and files of other names stay.
TEST(FileSystem, RemovesOnlyAbandonedTemporariesOfTheFile) {
  TemporaryFolder folder;
  const auto age = [&](const std::string& name) {
    std::filesystem::last_write_time(folder.File(name),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  };
  for (const char* name : {"Hours.dat", "Hours.dat.tmp-a1B2c3", "Hours.dat.tmp-Locked", "Hours.dat.tmp-Fresh1",
                           "Hours.dat.tmp-toolong", "Hours.dat.tmp-x.txt", "Other.dat.tmp-a1B2c3"})
    folder.Write(name, "x");
  for (const char* name : {"Hours.dat.tmp-a1B2c3", "Hours.dat.tmp-Locked", "Hours.dat.tmp-toolong",
                           "Hours.dat.tmp-x.txt", "Other.dat.tmp-a1B2c3"})
    age(name);
  const int locked = ::open(folder.File("Hours.dat.tmp-Locked").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(locked, LOCK_EX), 0);

  platform::RemoveAbandonedTemporaries(folder.File("Hours.dat"));
  ::close(locked);

  EXPECT_FALSE(folder.Has("Hours.dat.tmp-a1B2c3"));
  for (const char* kept : {"Hours.dat", "Hours.dat.tmp-Locked", "Hours.dat.tmp-Fresh1", "Hours.dat.tmp-toolong",
                           "Hours.dat.tmp-x.txt", "Other.dat.tmp-a1B2c3"})
    EXPECT_TRUE(folder.Has(kept)) << kept;
}

TEST(FileSystem, ErrorsNameTheFileAndTheCause) {
  TemporaryFolder folder;
  try {
    platform::ReadWholeFile(folder.File("missing.dat"));
    FAIL();
  } catch (const platform::FileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot open file \"" + folder.File("missing.dat") + "\". No such file or directory");
  }
  try {
    platform::WriteWholeFileAtomically(folder.File("no/such/folder.dat"), "x");
    FAIL();
  } catch (const platform::FileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot create file \"" + folder.File("no/such/folder.dat") + "\". No such file or directory");
  }
}

TEST(FileSystem, FindsNamesWithoutRegardToCasePreferringExact) {
  TemporaryFolder folder;
  EXPECT_FALSE(platform::FindFileIgnoringCase(folder.Path(), "projects.dat"));
  folder.Write("PROJECTS.DAT", "x");
  EXPECT_EQ(platform::FindFileIgnoringCase(folder.Path(), "projects.dat"), folder.File("PROJECTS.DAT"));
  folder.Write("projects.dat", "y");
  EXPECT_EQ(platform::FindFileIgnoringCase(folder.Path(), "projects.dat"), folder.File("projects.dat"));
  std::filesystem::create_directory(folder.File("hours.dat"));
  EXPECT_FALSE(platform::FindFileIgnoringCase(folder.Path(), "Hours.dat")) << "a folder is no data file";
}

}  // namespace
