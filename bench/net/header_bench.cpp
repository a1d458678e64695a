// The header model's share of a request: reading a typical answer head,
// building the live-update request head, choosing cookies and reading dates,
// with glibc's strptime as the yardstick for dates.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

#include "net/InternetDate.h"
#include "net/TNetCookieManager.h"
#include "net/TNetHeaderInfo.h"

namespace {

constexpr const char* kAnswerHead[] = {
    "Date: Tue, 08 Dec 2026 18:40:43 GMT",
    "Server: nginx/1.22.1",
    "Content-Type: application/octet-stream",
    "Content-Length: 1534",
    "Last-Modified: Mon, 07 Dec 2026 09:12:00 GMT",
    "Connection: keep-alive",
    "ETag: \"6573f2a0-5fe\"",
    "Accept-Ranges: bytes",
    "Set-Cookie: sid=8f3a9c; path=/; HttpOnly",
    "Expires: Wed, 09 Dec 2026 18:40:43 GMT",
    "Cache-Control: max-age=86400",
};

void BM_ReadAnswerHead(benchmark::State& state) {
  for (auto _ : state) {
    TNetResponseHeaderInfo response;
    for (const char* line : kAnswerHead) response.RawHeaders.Add(line);
    response.ProcessHeaders();
    benchmark::DoNotOptimize(response.ContentLength);
  }
}
BENCHMARK(BM_ReadAnswerHead);

void BM_BuildLiveUpdateRequestHead(benchmark::State& state) {
  TNetRequestHeaderInfo request;
  TNetProxyConnectionInfo proxy;
  request.Host = "update.example.com";
  for (auto _ : state) {
    request.BuildHeaders(proxy);
    benchmark::DoNotOptimize(request.RawHeaders.Lines().data());
  }
}
BENCHMARK(BM_BuildLiveUpdateRequestHead);

void BM_CookieHeaderFor(benchmark::State& state) {
  TNetCookieManager manager;
  for (int i = 0; i < state.range(0); ++i)
    manager.StoreCookie("c" + std::to_string(i) + "=v; path=/" + (i % 2 ? "liveupdate/" : ""),
                        "update.example.com");
  const TNetURI target("http://update.example.com/liveupdate/project_tarvik/mainappupdate.inf");
  for (auto _ : state) benchmark::DoNotOptimize(manager.CookieHeaderFor(target, false));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CookieHeaderFor)->Arg(1)->Arg(100);

constexpr char kDate[] = "Sun, 06 Nov 1994 08:49:37 GMT";

void BM_ReadInternetDate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadInternetDate(kDate));
}
BENCHMARK(BM_ReadInternetDate);

void BM_GlibcStrptime(benchmark::State& state) {
  for (auto _ : state) {
    std::tm parts{};
    strptime(kDate, "%a, %d %b %Y %H:%M:%S GMT", &parts);
    benchmark::DoNotOptimize(timegm(&parts));
  }
}
BENCHMARK(BM_GlibcStrptime);

}  // namespace

BENCHMARK_MAIN();
