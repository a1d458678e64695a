// tarvik-fetch next to curl, both against the same local nginx: one 256 MiB
// file, and 1,000 small files over one kept-alive connection. Ends with the
// ratio of tarvik-fetch's time to curl's for each; the goal is at most 1.1.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "net/LocalNginx.h"
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
    nginx = std::make_unique<LocalNginx>(files.Path());
  }
  TemporaryFolder files;
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
  pid_t pid = -1;
  if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
    throw std::runtime_error("cannot start " + words[0]);
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

void BM_Large(benchmark::State& state, const std::string& program) {
  const std::vector<std::string> words = LargeFetch(program);
  for (auto _ : state) RunProgram(words);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kLargeFileSize));
}

void BM_Small(benchmark::State& state, const std::string& program) {
  const std::vector<std::string> words = SmallFetches(program);
  for (auto _ : state) RunProgram(words);
  state.SetItemsProcessed(state.iterations() * kSmallFetches);
}

// Keeps each run's mean real time, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration)
        seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  for (const std::string program : {"tarvik-fetch", "curl"}) {
    benchmark::RegisterBenchmark(("large_256MiB/" + program).c_str(), BM_Large, program)
        ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
    benchmark::RegisterBenchmark(("small_1000_kept_alive/" + program).c_str(), BM_Small, program)
        ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const char* name : {"large_256MiB", "small_1000_kept_alive"}) {
    const double ours = reporter.seconds[std::string(name) + "/tarvik-fetch/iterations:5/real_time"];
    const double curl = reporter.seconds[std::string(name) + "/curl/iterations:5/real_time"];
    if (curl > 0) std::printf("%s: tarvik-fetch / curl = %.2f\n", name, ours / curl);
  }
  benchmark::Shutdown();
  return 0;
}
