// tarvik-fetch next to curl, both against the same local nginx: one 256 MiB
// file over http and over https, and 1,000 small files over one kept-alive
// connection. The counter "ratio" is tarvik-fetch's time over curl's; the
// goal is at most 1.1.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "net/LocalNginx.h"
#include "net/TestCertificates.h"
#include "support/TemporaryFolder.h"

extern char** environ;

namespace {

constexpr std::size_t kLargeFileSize = std::size_t{256} << 20;
constexpr int kSmallFetches = 1000;

// The site both clients fetch from, made once for the whole run.
struct Site {
  Site() {
    std::string content(kLargeFileSize, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
      content[i] = static_cast<char>((i * 7 + i / 65521) & 0xFF);
    files.Write("large.bin", content);
    files.Write("small.inf", "[APPLICATION]\r\nVersion=1.03\r\n");
    // Both clients trust the benchmark's own authority, curl through
    // --cacert, tarvik-fetch through SSL_CERT_FILE.
    const TestCertificateAuthority authority;
    authority.WriteCertificate(AuthorityFile());
    const LocalNginxTls tls{keys.File("server.pem"), keys.File("server.key")};
    authority.IssueServerCertificate({"localhost"}, tls.Certificate, tls.Key);
    ::setenv("SSL_CERT_FILE", AuthorityFile().c_str(), 1);
    nginx = std::make_unique<LocalNginx>(files.Path(), tls);
  }
  std::string AuthorityFile() const { return keys.File("authority.pem"); }
  TemporaryFolder files;
  TemporaryFolder keys;
  TemporaryFolder output;
  std::unique_ptr<LocalNginx> nginx;
};

Site& TheSite() {
  static Site site;
  return site;
}

void RunProgram(std::vector<std::string> words) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  // Status lines would only scroll past; curl -s prints nothing either.
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int started = ::posix_spawnp(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (started != 0) throw std::runtime_error("cannot start " + words[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error(words[0] + " failed");
}

std::vector<std::string> LargeFetch(const std::string& program) {
  Site& site = TheSite();
  const std::string url = site.nginx->Url("/large.bin");
  const std::string out = site.output.File("large.bin");
  if (program == "curl") return {"curl", "-s", "-o", out, url};
  return {TARVIK_FETCH_PROGRAM, url, out};
}

std::vector<std::string> LargeSecureFetch(const std::string& program) {
  Site& site = TheSite();
  const std::string url = site.nginx->SecureUrl("/large.bin");
  const std::string out = site.output.File("large.bin");
  if (program == "curl") return {"curl", "-s", "--cacert", site.AuthorityFile(), "-o", out, url};
  return {TARVIK_FETCH_PROGRAM, url, out};
}

std::vector<std::string> SmallFetches(const std::string& program) {
  const std::string url = TheSite().nginx->Url("/small.inf");
  std::vector<std::string> words;
  if (program == "curl") {
    words = {"curl", "-s"};
    for (int i = 0; i < kSmallFetches; ++i) words.insert(words.end(), {"-o", "/dev/null", url});
  } else {
    words = {TARVIK_FETCH_PROGRAM};
    for (int i = 0; i < kSmallFetches; ++i) words.insert(words.end(), {url, "/dev/null"});
  }
  return words;
}

double SecondsToRun(const std::vector<std::string>& words) {
  const auto start = std::chrono::steady_clock::now();
  RunProgram(words);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs tarvik-fetch and curl in turn, alternating which goes first, so that
// both meet the same page cache and the same neighbours on the machine.
// The reported time is tarvik-fetch's; the counters give both and the ratio.
void CompareWithCurl(benchmark::State& state,
                     std::vector<std::string> (*command)(const std::string& program)) {
  const std::vector<std::string> ours = command("tarvik-fetch");
  const std::vector<std::string> curl = command("curl");
  double our_seconds = 0;
  double curl_seconds = 0;
  bool ours_first = true;
  for (auto _ : state) {
    double ours_now = 0;
    if (ours_first) {
      ours_now = SecondsToRun(ours);
      curl_seconds += SecondsToRun(curl);
    } else {
      curl_seconds += SecondsToRun(curl);
      ours_now = SecondsToRun(ours);
    }
    our_seconds += ours_now;
    state.SetIterationTime(ours_now);
    ours_first = !ours_first;
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["tarvik_ms"] = 1000 * our_seconds / runs;
  state.counters["curl_ms"] = 1000 * curl_seconds / runs;
  state.counters["ratio"] = our_seconds / curl_seconds;
}

}  // namespace

BENCHMARK_CAPTURE(CompareWithCurl, large_256MiB, LargeFetch)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(6);
BENCHMARK_CAPTURE(CompareWithCurl, large_256MiB_https, LargeSecureFetch)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(6);
BENCHMARK_CAPTURE(CompareWithCurl, small_1000_kept_alive, SmallFetches)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(6);

BENCHMARK_MAIN();
