#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/ProcessStart.h"
#include "support/TemporaryFolder.h"
#include "updater/ReleaseFolders.h"

namespace {

using namespace updatertest;

bool Succeeds(const std::vector<std::string>& arguments) {
  std::vector<std::string> command = {TARVIK_RELEASE_PROGRAM};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return platform::RunAndCapture(command, std::chrono::seconds(60)).ending ==
         platform::CapturedOutput::Ending::Succeeded;
}

TEST(ReleaseTool, KeygenPackAndVerifyKeepTheirInterface) {
  const TemporaryFolder keys;
  const TemporaryFolder app;
  const TemporaryFolder out;
  ASSERT_TRUE(Succeeds({"keygen", keys.File("secret"), keys.File("update.pub")}));
  struct stat info {};
  ASSERT_EQ(::stat(keys.File("secret").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_FALSE(Succeeds({"keygen", keys.File("secret"), keys.File("other.pub")}));  // never over a key

  WriteFolder(app.Path(), NewRelease());
  EXPECT_FALSE(Succeeds({"pack", app.Path(), "1,03", keys.File("secret"), out.Path()}));
  ASSERT_TRUE(Succeeds({"pack", app.Path(), "1.03", keys.File("secret"), out.Path()}));
  EXPECT_TRUE(out.Has("tarvik-1.03.tar.gz"));
  EXPECT_TRUE(Succeeds({"verify", out.Path(), keys.File("update.pub")}));

  ASSERT_TRUE(Succeeds({"keygen", keys.File("other"), keys.File("other.pub")}));
  EXPECT_FALSE(Succeeds({"verify", out.Path(), keys.File("other.pub")}));
  std::string archive = out.Read("tarvik-1.03.tar.gz");
  archive.back() ^= 1;
  out.Write("tarvik-1.03.tar.gz", archive);
  EXPECT_FALSE(Succeeds({"verify", out.Path(), keys.File("update.pub")}));
}

}  // namespace
