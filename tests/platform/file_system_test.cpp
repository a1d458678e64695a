#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

#include "platform/AppFolder.h"
#include "platform/FileSystem.h"
#include "support/FileModesApply.h"
#include "support/TemporaryFolder.h"

namespace {

TEST(AppFolder, IsTheExecutablesFolderWithTrailingSlash) {
  const std::string& folder = platform::AppFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(platform::FileExists(folder + "platform_tests"));
}

int EntriesIn(const std::string& folder) {
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
  return entries;
}

struct stat StatOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info;
}

TEST(FileSystem, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
  TemporaryFolder folder;
  folder.Write("a.dat", "old content that is longer");
  ::chmod(folder.File("a.dat").c_str(), 02640);
  // Only root may give a file away; the others keep what they can (the group).
  const bool may_give_away = ::geteuid() == 0;
  if (may_give_away) ::chown(folder.File("a.dat").c_str(), 4242, 4343);
  const struct stat old = StatOf(folder.File("a.dat"));
  platform::WriteWholeFileAtomically(folder.File("a.dat"), "new");
  EXPECT_EQ(folder.Read("a.dat"), "new");
  const struct stat now = StatOf(folder.File("a.dat"));
  EXPECT_NE(now.st_ino, old.st_ino) << "a new file, renamed over the old one";
  EXPECT_EQ(now.st_mode & 07777, 02640u) << "keeps the permissions of the file it replaces";
  EXPECT_EQ(now.st_gid, old.st_gid);
  if (may_give_away) {
    EXPECT_EQ(now.st_uid, 4242u) << "and its owner";
  }
  EXPECT_EQ(EntriesIn(folder.Path()), 1);
}

// A link is kept and saved through, also when it leads through another
// link or to a file that is not there yet; the temporary file is made
// beside the file itself, so the rename stays within one folder.
TEST(FileSystem, SavesThroughSymbolicLinksIntoTheTargetsFolder) {
  TemporaryFolder folder;
  std::filesystem::create_directory(folder.File("real"));
  folder.Write("real/a.dat", "old");
  std::filesystem::create_symlink("real/a.dat", folder.File("inner.dat"));
  std::filesystem::create_symlink(folder.File("inner.dat"), folder.File("a.dat"));
  std::filesystem::create_symlink("real/b.dat", folder.File("b.dat"));
  {
    platform::TAtomicFileWriter file(folder.File("a.dat"));
    file.Write("new");
    EXPECT_EQ(EntriesIn(folder.File("real")), 2) << "the temporary file sits beside the target";
    file.Commit();
  }
  platform::WriteWholeFileAtomically(folder.File("b.dat"), "created");
  EXPECT_TRUE(std::filesystem::is_symlink(folder.File("a.dat")));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.File("inner.dat")));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.File("b.dat")));
  EXPECT_EQ(folder.Read("real/a.dat"), "new");
  EXPECT_EQ(folder.Read("real/b.dat"), "created");
  EXPECT_EQ(EntriesIn(folder.Path()), 4);
  EXPECT_EQ(EntriesIn(folder.File("real")), 2);

  std::filesystem::create_symlink("loop.dat", folder.File("loop.dat"));
  EXPECT_THROW(platform::WriteWholeFileAtomically(folder.File("loop.dat"), "x"), platform::FileError);
}

// The folder would let any file be replaced, but a file the user made
// read-only keeps its content, and the save says why it failed.
TEST(FileSystem, RefusesAFileItMayNotWrite) {
  TemporaryFolder folder;
  folder.Write("a.dat", "kept");
  ::chmod(folder.File("a.dat").c_str(), 0444);
  const ino_t inode = StatOf(folder.File("a.dat")).st_ino;
  {
    testsupport::TFileModesApply modes;
    try {
      platform::WriteWholeFileAtomically(folder.File("a.dat"), "lost");
      FAIL() << "a read-only file was written";
    } catch (const platform::FileError& error) {
      EXPECT_EQ(std::string(error.what()),
                "Cannot create file \"" + folder.File("a.dat") + "\". " + std::strerror(EACCES));
    }
  }
  EXPECT_EQ(folder.Read("a.dat"), "kept");
  EXPECT_EQ(StatOf(folder.File("a.dat")).st_ino, inode);
  EXPECT_EQ(EntriesIn(folder.Path()), 1);
}

// A folder that takes no new file still has writable files in it: they are
// written in place, whole, and only on commit; a new file there still fails.
TEST(FileSystem, WritesInPlaceWhereTheFolderTakesNoNewFile) {
  TemporaryFolder folder;
  folder.Write("a.dat", "old content that is longer");
  ::chmod(folder.File("a.dat").c_str(), 0620);
  const ino_t inode = StatOf(folder.File("a.dat")).st_ino;
  ::chmod(folder.Path().c_str(), 0555);
  {
    testsupport::TFileModesApply modes;
    {
      platform::TAtomicFileWriter file(folder.File("a.dat"));
      file.Write("abandoned");
    }
    EXPECT_EQ(folder.Read("a.dat"), "old content that is longer") << "nothing is written before the commit";
    platform::TAtomicFileWriter file(folder.File("a.dat"));
    file.Write("new, ");
    file.Write("in place");
    file.Commit();
    EXPECT_THROW(platform::WriteWholeFileAtomically(folder.File("b.dat"), "x"), platform::FileError);
  }
  ::chmod(folder.Path().c_str(), 0700);
  EXPECT_EQ(folder.Read("a.dat"), "new, in place");
  EXPECT_EQ(StatOf(folder.File("a.dat")).st_ino, inode);
  EXPECT_EQ(StatOf(folder.File("a.dat")).st_mode & 07777, 0620u);
  EXPECT_EQ(EntriesIn(folder.Path()), 1);
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
  EXPECT_EQ(EntriesIn(folder.Path()), 1);

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
