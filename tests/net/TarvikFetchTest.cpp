// tarvik-fetch as a user runs it: its exit status, standard output and
// standard error.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "net/LocalNginx.h"
#include "platform/FileSystem.h"
#include "platform/UniqueFd.h"
#include "support/TemporaryFolder.h"

extern char** environ;

namespace {

struct FetchRun {
  int exit_status = -1;
  std::string out;
  std::string err;
};

FetchRun RunFetch(std::vector<std::string> arguments, const TemporaryFolder& folder) {
  arguments.insert(arguments.begin(), TARVIK_FETCH_PROGRAM);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const std::string out_path = folder.File("stdout");
  const std::string err_path = folder.File("stderr");
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = -1;
  FetchRun run;
  if (::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status)) run.exit_status = WEXITSTATUS(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = platform::ReadWholeFile(out_path);
  run.err = platform::ReadWholeFile(err_path);
  return run;
}

TEST(TarvikFetch, ARefusedConnectionExitsWithTheSocketError) {
  // Bound but not listening: connects to it are refused.
  platform::UniqueFd closed(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(::bind(closed.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::getsockname(closed.Get(), reinterpret_cast<sockaddr*>(&address), &length), 0);
  const TemporaryFolder folder;
  const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/x";
  const FetchRun run = RunFetch({url, folder.File("body")}, folder);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.err, "ENetSocketError: Socket Error # 10061\r\nConnection refused.\n");
}

TEST(TarvikFetch, ConnectionAndCookiesCarryOverBetweenUrls) {
  const TemporaryFolder site;
  std::filesystem::create_directory(site.File("cookie"));
  site.Write("cookie/a.txt", "first\n");
  const LocalNginx nginx(site.Path());
  const TemporaryFolder folder;
  const FetchRun run = RunFetch({nginx.Url("/cookie/a.txt"), folder.File("a.txt"),
                            nginx.Url("/echo-cookie"), "-"},
                           folder);
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.err, "HTTP/1.1 200 OK\nHTTP/1.1 200 OK\n");
  EXPECT_EQ(folder.Read("a.txt"), "first\n");
  EXPECT_EQ(run.out, "cookie=[session=42]");
}

TEST(TarvikFetch, AMissingDocumentNamesTheStatusLine) {
  const TemporaryFolder site;
  const LocalNginx nginx(site.Path());
  const TemporaryFolder folder;
  const FetchRun run = RunFetch({nginx.Url("/none.inf"), "-"}, folder);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.err, "ENetHTTPProtocolException: HTTP/1.1 404 Not Found\n");
}

TEST(TarvikFetch, WrongArgumentsShowTheUsage) {
  const TemporaryFolder folder;
  const FetchRun run = RunFetch({"http://127.0.0.1/only-a-url"}, folder);
  EXPECT_EQ(run.exit_status, 2);
  EXPECT_EQ(run.err, "usage: tarvik-fetch URL OUTFILE [URL OUTFILE ...]\n");
}

}  // namespace
