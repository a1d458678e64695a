#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "app/OpenUrl.h"
#include "platform/FileSystem.h"
#include "support/ScopedEnvironment.h"
#include "support/TemporaryFolder.h"

namespace {

using Words = std::vector<std::string>;
const std::string kUrl = "http://example.com/a b";

TEST(BrowserArguments, ProgramAndAddressAlone) {
  EXPECT_EQ(BrowserArguments("firefox %u", kUrl), (Words{"firefox", kUrl}));
  EXPECT_EQ(BrowserArguments("/usr/bin/chromium --new-window %U", kUrl), (Words{"/usr/bin/chromium", kUrl}));
  EXPECT_EQ(BrowserArguments("\"/opt/My Browser/browser\" -nohome", kUrl), (Words{"/opt/My Browser/browser", kUrl}));
  EXPECT_EQ(BrowserArguments("env MOZ_ENABLE_WAYLAND=1 firefox %u", kUrl), (Words{"firefox", kUrl}));
  EXPECT_EQ(BrowserArguments("lynx", kUrl), (Words{"lynx", kUrl}));
  EXPECT_EQ(BrowserArguments("", kUrl), Words{});
}

TEST(BrowserArguments, WrappersKeepTheirWords) {
  EXPECT_EQ(BrowserArguments("/usr/bin/flatpak run --branch=stable org.example.Browser @@u %u @@", kUrl),
            (Words{"/usr/bin/flatpak", "run", "--branch=stable", "org.example.Browser", "@@u", kUrl, "@@"}));
  EXPECT_EQ(BrowserArguments("env A=1 flatpak run org.example.Browser %i %U", kUrl),
            (Words{"env", "A=1", "flatpak", "run", "org.example.Browser", kUrl}));
  EXPECT_EQ(BrowserArguments("snap run browser", kUrl), (Words{"snap", "run", "browser", kUrl}))
      << "without a placeholder the address goes last";
}

TEST(BrowserArguments, AnyOtherWordMeansWrapperMode) {
  // A switch's value is such a word: the command is kept as it stands.
  EXPECT_EQ(BrowserArguments("firefox -P work %u", kUrl), (Words{"firefox", "-P", "work", kUrl}));
  EXPECT_EQ(BrowserArguments("browser - %u", kUrl), (Words{"browser", "-", kUrl})) << "a lone dash is no switch";
  EXPECT_EQ(BrowserArguments("launcher run --url=%u --title=100%% %c", kUrl),
            (Words{"launcher", "run", "--url=" + kUrl, "--title=100%"}))
      << "codes inside words";
  EXPECT_EQ(BrowserArguments("browser --url=%u --flag %c %k", kUrl), (Words{"browser", kUrl}))
      << "switches and codes alone keep the short form";
  EXPECT_EQ(BrowserArguments("env", kUrl), Words{}) << "no program after env";
}

// A stub browser that writes each argument it receives on a line of its own.
class StubBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    script_ = folder_.File("browser");
    folder_.Write("browser", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done >> \"$0.args\"\n");
    ::chmod(script_.c_str(), 0755);
  }
  void TearDown() override { ::unsetenv("BROWSER"); }

  std::string WaitForArguments() {
    const std::string path = script_ + ".args";
    for (int i = 0; i < 500 && !platform::FileExists(path); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return platform::FileExists(path) ? platform::ReadWholeFile(path) : "<never started>";
  }

  TemporaryFolder folder_;
  std::string script_;
};

TEST_F(StubBrowser, AddressReachesTheBrowserAsOneUnchangedArgument) {
  const std::string hostile = "http://x.test/?q=a b&c='d' \"e\"; $(touch " + folder_.File("owned") + ") `id`";
  ::setenv("BROWSER", (script_ + " %s").c_str(), 1);
  EXPECT_TRUE(OpenUrl(hostile));
  EXPECT_EQ(WaitForArguments(), hostile + "\n");
  EXPECT_FALSE(folder_.Has("owned")) << "nothing in the address may run";
}

TEST_F(StubBrowser, NoBrowserKnownStartsNothing) {
  // Neither $BROWSER nor a default browser's desktop entry: xdg-settings is
  // not on the PATH either.
  ::unsetenv("BROWSER");
  const std::string path = std::getenv("PATH");
  ::setenv("PATH", folder_.Path().c_str(), 1);
  EXPECT_FALSE(OpenUrl("http://example.com/"));
  ::setenv("PATH", path.c_str(), 1);
}

// The default browser's desktop entry, with the stub as its program: the
// route a desktop without $BROWSER takes.
TEST_F(StubBrowser, DesktopEntryOfTheDefaultBrowserStartsIt) {
  ScopedEnvironment environment;
  environment.Unset("BROWSER");
  environment.Set("XDG_DATA_HOME", folder_.File("data"));
  environment.Set("XDG_DATA_DIRS", folder_.File("none"));
  std::filesystem::create_directories(folder_.File("bin"));
  std::filesystem::create_directories(folder_.File("data/applications"));
  folder_.Write("bin/xdg-settings", "#!/bin/sh\necho 'stub-browser.desktop'\n");
  ::chmod(folder_.File("bin/xdg-settings").c_str(), 0755);
  environment.PrependPath(folder_.File("bin"));
  // Its program lies in a folder with a blank, written with the entry's
  // escape for it inside quotes.
  std::filesystem::create_directories(folder_.File("my browser"));
  std::filesystem::rename(script_, folder_.File("my browser/browser"));
  script_ = folder_.File("my browser/browser");
  folder_.Write("data/applications/stub-browser.desktop",
                "[Desktop Action new-window]\nExec=/bin/false --new %u\n"
                "[Desktop Entry]\nName=Stub\nTryExec=/bin/false\n"
                "Exec=\"" + folder_.File("my\\sbrowser/browser") + "\" --new-window %U\n"
                "Actions=new-window;\n");

  const std::string hostile = "http://x.test/a b?c=\"d\";$(touch " + folder_.File("owned") + ")";
  EXPECT_TRUE(OpenUrl(hostile));
  EXPECT_EQ(WaitForArguments(), hostile + "\n");
  EXPECT_FALSE(folder_.Has("owned"));
}

TEST_F(StubBrowser, BlankAddressOpensNothingWithTheDefaultHandler) {
  ScopedEnvironment environment;
  std::filesystem::create_directories(folder_.File("bin"));
  std::filesystem::rename(script_, folder_.File("bin/xdg-open"));
  script_ = folder_.File("bin/xdg-open");
  environment.PrependPath(folder_.File("bin"));
  OpenWithDefaultHandler("");
  OpenWithDefaultHandler("http://a.test/x y");
  EXPECT_EQ(WaitForArguments(), "http://a.test/x y\n");
}

TEST_F(StubBrowser, FoundButNotStartableStillCountsAsTried) {
  ::setenv("BROWSER", folder_.File("no-such-browser").c_str(), 1);
  EXPECT_TRUE(OpenUrl("http://example.com/"));
}

}  // namespace
