// tarvik-fetch URL OUTFILE [URL OUTFILE ...]
//
// Fetches each URL in turn with one HTTP client set up like the main
// window's, so that the connection and the cookies carry over from one URL to
// the next. Each final status line goes to standard error and each body to
// its OUTFILE ("-" for standard output). A failure prints
// "ClassName: message" and ends the run with status 1.
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string>

#include "ExceptionName.h"
#include "net/TNetFileStream.h"
#include "net/TNetHTTP.h"

namespace {

TNetFileStream OpenOutput(const std::string& name) {
  if (name == "-") return TNetFileStream::OnDescriptor(STDOUT_FILENO, "standard output");
  return TNetFileStream::Create(name);
}

int Fetch(int pair_count, char** pairs) {
  const std::unique_ptr<TNetHTTP> http = CreateNetHTTP1();
  for (int i = 0; i < pair_count; ++i) {
    const std::string url = pairs[2 * i];
    TNetFileStream output = OpenOutput(pairs[2 * i + 1]);
    http->FetchUrl(url, output);
    output.Close();
    std::fprintf(stderr, "%s\n", http->StatusLine().c_str());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || (argc - 1) % 2 != 0) {
    std::fprintf(stderr, "usage: tarvik-fetch URL OUTFILE [URL OUTFILE ...]\n");
    return 2;
  }
  try {
    return Fetch((argc - 1) / 2, argv + 1);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", ExceptionName(error).c_str(), error.what());
    return 1;
  }
}
