// Finding the default browser's command line: $BROWSER, else the desktop
// entry that `xdg-settings get default-web-browser` names.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <signal.h>

#include <chrono>
#include <filesystem>

#include "platform/DefaultBrowser.h"
#include "support/ScopedEnvironment.h"
#include "support/TemporaryFolder.h"

namespace {

using platform::DesktopEntryExec;
using platform::SplitCommandLine;
using Words = std::vector<std::string>;

TEST(DesktopEntryExec, OnlyTheEntryGroupsExecCounts) {
  EXPECT_EQ(DesktopEntryExec("[Desktop Entry]\nName=B\nTryExec=/bin/tried\nExec=/bin/browser %u\n"),
            "/bin/browser %u")
      << "TryExec is not the command";
  EXPECT_EQ(DesktopEntryExec("[Desktop Action new-window]\nExec=/bin/action --new %u\n"
                             "[Desktop Entry]\r\nExec = /bin/browser %u\r\n"
                             "[Desktop Action private]\nExec=/bin/private %u\n"),
            "/bin/browser %u");
  EXPECT_EQ(DesktopEntryExec("[Desktop Entry]\nName=B\n[Desktop Action new]\nExec=/bin/action %u\n"), std::nullopt);
  EXPECT_EQ(DesktopEntryExec("Exec=/bin/outside %u\n[Desktop Entry]\nName=B\n"), std::nullopt);
  EXPECT_EQ(DesktopEntryExec("[Desktop Entry]\nExecutable=/bin/no\nExec=/bin/yes"), "/bin/yes")
      << "a longer key is another key; the last line needs no line end";
}

TEST(DesktopEntryExec, StringEscapesAreUndoneBeforeTheQuoting) {
  EXPECT_EQ(DesktopEntryExec("[Desktop Entry]\nExec=\"/opt/my\\sbrowser/run\" %u\n"), "\"/opt/my browser/run\" %u");
  // Four backslashes in the file are one in the word; \" and \$ are left
  // for the quoting.
  const auto exec = DesktopEntryExec("[Desktop Entry]\nExec=\"/opt/a\\\\\\\\b\" \"x\\\"y\" \"\\\\$HOME\"\n");
  ASSERT_TRUE(exec);
  EXPECT_EQ(*exec, "\"/opt/a\\\\b\" \"x\\\"y\" \"\\$HOME\"");
  EXPECT_EQ(SplitCommandLine(*exec), (Words{"/opt/a\\b", "x\"y", "$HOME"}));
  EXPECT_EQ(DesktopEntryExec("[Desktop Entry]\nExec=a\\tb\\nc\\rd\\qe\\\n"), "a\tb\nc\rd\\qe\\");
}

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroup) {
  EXPECT_EQ(SplitCommandLine("  a\tb  \"c d\"e \"\" \"f\\\\g\\`h\\$i\\\"j\\k\" "),
            (Words{"a", "b", "c de", "", "f\\g`h$i\"j\\k"}));
  EXPECT_EQ(SplitCommandLine(""), Words{});
  EXPECT_EQ(SplitCommandLine("\"unclosed word"), Words{"unclosed word"});
}

// A stub xdg-settings on the PATH that names `entry`, and temporary data
// folders for the desktop entries.
class DesktopEntryLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    environment.Unset("BROWSER");
    environment.Set("XDG_DATA_HOME", folder.File("home"));
    environment.Set("XDG_DATA_DIRS", folder.File("system-a") + ":" + folder.File("system-b"));
    environment.PrependPath(folder.Path() + "bin");
    std::filesystem::create_directories(folder.File("bin"));
  }
  void DefaultIs(const std::string& entry, int exit_status = 0) {
    folder.Write("bin/xdg-settings", "#!/bin/sh\n[ \"$*\" = 'get default-web-browser' ] || exit 3\necho '" + entry +
                                         "'\nexit " + std::to_string(exit_status) + "\n");
    ::chmod(folder.File("bin/xdg-settings").c_str(), 0755);
  }
  void Entry(const std::string& data_folder, const std::string& relative_path, const std::string& exec) {
    const std::string path = folder.File(data_folder + "/applications/" + relative_path);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    platform::WriteWholeFileAtomically(path, "[Desktop Entry]\nType=Application\nExec=" + exec + "\n");
  }

  TemporaryFolder folder;
  ScopedEnvironment environment;
};

TEST_F(DesktopEntryLookup, PersonalEntryFirstThenTheSystemFoldersInOrder) {
  DefaultIs("web.desktop");
  Entry("system-b", "web.desktop", "/bin/system-b %u");
  EXPECT_EQ(platform::DefaultBrowserCommand(), "/bin/system-b %u");
  Entry("system-a", "web.desktop", "/bin/system-a %u");
  EXPECT_EQ(platform::DefaultBrowserCommand(), "/bin/system-a %u");
  Entry("home", "web.desktop", "/bin/personal %u");
  EXPECT_EQ(platform::DefaultBrowserCommand(), "/bin/personal %u");
}

TEST_F(DesktopEntryLookup, DashesMayStandForSubfolders) {
  DefaultIs("kde4-org-web.desktop");
  Entry("system-a", "kde4/org/web.desktop", "/bin/nested %u");
  EXPECT_EQ(platform::DefaultBrowserCommand(), "/bin/nested %u");
  Entry("system-a", "kde4-org-web.desktop", "/bin/flat %u");
  EXPECT_EQ(platform::DefaultBrowserCommand(), "/bin/flat %u") << "the name as it stands comes first";
}

TEST_F(DesktopEntryLookup, NamesThatLeaveTheFolderAreRefused) {
  Entry("home", "web.desktop", "/bin/browser %u");
  std::filesystem::create_directories(folder.File("home/applications/sub"));
  DefaultIs("../applications/web.desktop");
  EXPECT_EQ(platform::DefaultBrowserCommand(), std::nullopt);
  DefaultIs("sub/../web.desktop");
  EXPECT_EQ(platform::DefaultBrowserCommand(), std::nullopt);
  Entry("home", "outside.desktop", "/bin/outside %u");
  std::filesystem::rename(folder.File("home/applications/outside.desktop"), folder.File("home/outside.desktop"));
  DefaultIs("..-outside.desktop");
  EXPECT_EQ(platform::DefaultBrowserCommand(), std::nullopt) << "a dash never stands for \"..\"";
}

TEST_F(DesktopEntryLookup, NothingWhenTheEntryOrTheAnswerIsMissing) {
  DefaultIs("absent.desktop");
  EXPECT_EQ(platform::DefaultBrowserCommand(), std::nullopt);
  Entry("home", "web.desktop", "/bin/browser %u");
  DefaultIs("web.desktop", 1);
  EXPECT_EQ(platform::DefaultBrowserCommand(), std::nullopt) << "xdg-settings failed";
  DefaultIs("");
  EXPECT_EQ(platform::DefaultBrowserCommand(), std::nullopt);
  Entry("home", "empty.desktop", "");
  DefaultIs("empty.desktop");
  EXPECT_EQ(platform::DefaultBrowserCommand(), std::nullopt);
}

TEST_F(DesktopEntryLookup, ASlowLookupIsStoppedAndTheDesktopsOpenerStandsIn) {
  Entry("home", "web.desktop", "/bin/browser %u");
  // The sleeping child holds the output pipe as long as the script does.
  folder.Write("bin/xdg-settings", "#!/bin/sh\necho $$ > \"$0.pid\"\nsleep 30\necho web.desktop\n");
  ::chmod(folder.File("bin/xdg-settings").c_str(), 0755);
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(platform::DefaultBrowserCommand(std::chrono::milliseconds(300)), "xdg-open");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
  const std::string pid = folder.Read("bin/xdg-settings.pid");
  EXPECT_NE(::kill(std::stoi(pid), 0), 0) << "killed and reaped";
}

TEST_F(DesktopEntryLookup, BrowserVariableComesFirst) {
  DefaultIs("web.desktop");
  Entry("home", "web.desktop", "/bin/entry %u");
  environment.Set("BROWSER", " /bin/first %s :/bin/second");
  EXPECT_EQ(platform::DefaultBrowserCommand(), "/bin/first %s");
}

}  // namespace
