// The window's life around the data files: a save that fails part-way, and
// closing, which never asks and never saves.
#include <sys/stat.h>

#include <QTest>
#include <filesystem>
#include <cstring>
#include <map>

#include "gui/MainWindowFixture.h"
#include "support/FileSizeLimit.h"
#include "ui/controls/Button.h"

namespace guitest {
namespace {

// What a file is on disk: its bytes and which file it is. A save replaces a
// file by renaming a new one over it, so a file the save did not touch keeps
// its inode even when the new bytes would have been the same.
struct TFileState {
  std::string bytes;
  ino_t inode = 0;
  bool operator==(const TFileState&) const = default;
};

class LifecycleTest : public MainWindowTest {
 protected:
  TFileState State(const std::string& name) const {
    struct stat info {};
    if (::stat((folder.Path() / name).c_str(), &info) != 0) return {};
    return {folder.Read(name), info.st_ino};
  }

  std::map<std::string, TFileState> Folder() const {
    std::map<std::string, TFileState> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
      const std::string name = entry.path().filename().string();
      files[name] = State(name);
    }
    return files;
  }
};

constexpr rlim_t kLimit = 1000;
const std::string kLong(2 * kLimit, 'x');  // a text whose file cannot be written under the limit
const std::string kProjects = "Header^Site^Work^^^\r\n^False^,^Old^,^^,^^,^^\r\nEndProject\r\n";
const std::string kHours = "1/2/2008^1:00 AM^old^\r\n";

TEST_F(LifecycleTest, SaveStoppedByTheCategoriesFileTouchesNoLaterFile) {
  const std::string categories = "Work\r\n" + kLong + "\r\n";
  Open(categories, kProjects, kHours);
  const auto before = Folder();
  TModalDriver::TSeenBox seen;
  driver.AnswerBox(true, &seen);
  {
    testsupport::TFileSizeLimit limit(kLimit);
    Click(window->btnSave);
  }
  EXPECT_EQ(seen.caption, "Information");
  EXPECT_EQ(seen.text, "Cannot create file \"" + (folder.Path() / "categories.dat").string() + "\". " +
                           std::strerror(EFBIG));
  EXPECT_EQ(Folder(), before) << "the failed file stays whole, the later ones untouched, no temporary is left";

  // The window goes on working: once the disk has room, the same save goes through.
  Click(window->btnSave);
  EXPECT_EQ(folder.Read("categories.dat"), categories);
  EXPECT_NE(State("projects.dat").inode, before.at("projects.dat").inode);
  EXPECT_NE(State("Hours.dat").inode, before.at("Hours.dat").inode);
}

TEST_F(LifecycleTest, SaveStoppedByTheProjectsFileKeepsTheCategoriesItWroteAndSkipsTheHours) {
  const std::string projects = "Header^Site^Work^^^\r\n^False^,^Old^,^" + kLong + "^,^^,^^\r\nEndProject\r\n";
  Open("Work\r\n", projects, kHours);
  NewCategory("Home");
  const auto before = Folder();
  TModalDriver::TSeenBox seen;
  driver.AnswerBox(true, &seen);
  {
    testsupport::TFileSizeLimit limit(kLimit);
    Click(window->btnSave);
  }
  EXPECT_EQ(seen.caption, "Information");
  EXPECT_EQ(seen.text.rfind("Cannot create file \"" + (folder.Path() / "projects.dat").string() + "\". ", 0), 0u)
      << seen.text;
  EXPECT_EQ(folder.Read("categories.dat"), "Work\r\nHome\r\n") << "saved before the failure, and it stays";
  EXPECT_EQ(State("projects.dat"), before.at("projects.dat"));
  EXPECT_EQ(State("Hours.dat"), before.at("Hours.dat"));
  EXPECT_EQ(Folder().size(), before.size()) << "no temporary file is left";
}

// Another copy of the program or an editor wrote a file while the window
// was open: Save asks before writing over it, keeps it on No and saves the
// others, overwrites it on Yes, and then asks no more.
TEST_F(LifecycleTest, SaveAsksBeforeOverwritingAFileChangedOnDisk) {
  Open("Work\r\n", kProjects, kHours);
  NewCategory("Home");
  folder.Write("categories.dat", "Theirs\r\n");
  const auto before = Folder();
  TModalDriver::TSeenBox question;
  driver.AnswerBox(false, &question);
  Click(window->btnSave);
  EXPECT_EQ(question.caption, "Warning");
  EXPECT_EQ(question.text, "The file \"" + (folder.Path() / "categories.dat").string() +
                               "\" has changed on disk since it was last read or saved.\n"
                               "Do you want to overwrite it with your changes?");
  EXPECT_TRUE(question.asked_yes_no);
  EXPECT_EQ(State("categories.dat"), before.at("categories.dat"));
  EXPECT_NE(State("projects.dat").inode, before.at("projects.dat").inode) << "the other files are saved";
  EXPECT_NE(State("Hours.dat").inode, before.at("Hours.dat").inode);

  driver.AnswerBox(true);
  Click(window->btnSave);
  EXPECT_EQ(folder.Read("categories.dat"), "Work\r\nHome\r\n");
  Click(window->btnSave);
}

TEST_F(LifecycleTest, ClosingAfterChangesAsksNothingAndWritesNothing) {
  Open("Work\r\n", kProjects, kHours);
  NewCategory("Home");
  NewProject("New site", "Home");
  ClickNode(Node("New site", "Home"));
  AddTask("First task", true);
  const auto before = Folder();

  EXPECT_TRUE(window->close());
  EXPECT_FALSE(window->isVisible());
  QTest::qWait(50);  // a box that a close opened would show by now
  window.reset();

  EXPECT_EQ(Folder(), before);
  EXPECT_TRUE(driver.Unexpected().empty()) << driver.Unexpected().front();
}

TEST_F(LifecycleTest, ClosingAfterChangesWithoutDataFilesCreatesNone) {
  Open();
  NewCategory("Home");
  EXPECT_TRUE(window->close());
  window.reset();
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

}  // namespace
}  // namespace guitest
