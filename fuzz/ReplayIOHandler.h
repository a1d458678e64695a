#pragma once
// A transport that plays the server's side of one connection from a
// fuzzer's input, for harnesses that read HTTP answers. Requests go nowhere.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "net/TNetHTTP.h"
#include "net/TNetIOHandler.h"

class ReplayIOHandler : public TNetIOHandler {
 public:
  ReplayIOHandler(std::string_view answer, std::size_t piece) : answer_(answer), piece_(piece) {}

  // The first byte of the input chooses the size of the pieces the rest is
  // handed over in, so that every split of lines and bodies comes up.
  // None for an empty input.
  static std::shared_ptr<ReplayIOHandler> FromFuzzInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return nullptr;
    const std::size_t piece = data[0] % 2 ? 1 + data[0] % 16 : 32768;
    return std::make_shared<ReplayIOHandler>(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1),
                                             piece);
  }

  void Open() override {}
  void ConnectClient(const TNetConnectTarget&) override { connected_ = true; }
  void Close() override { connected_ = false; }
  bool Connected() const override { return connected_; }
  bool Readable(int) override { return true; }
  std::ptrdiff_t Recv(char* data, std::size_t count) override {
    const std::size_t given = std::min({count, piece_, answer_.size()});
    std::memcpy(data, answer_.data(), given);
    answer_.remove_prefix(given);
    return static_cast<std::ptrdiff_t>(given);
  }
  std::ptrdiff_t Send(const char*, std::size_t count) override { return static_cast<std::ptrdiff_t>(count); }
  int LastError() const override { return 0; }

 private:
  std::string_view answer_;
  std::size_t piece_;
  bool connected_ = false;
};

// The program's HTTP client with its connection playing the input; none for
// an empty input.
inline std::unique_ptr<TNetHTTP> ClientReplaying(const std::uint8_t* data, std::size_t size) {
  auto server = ReplayIOHandler::FromFuzzInput(data, size);
  if (!server) return nullptr;
  std::unique_ptr<TNetHTTP> http = CreateNetHTTP1();
  http->SetIOHandler(std::move(server));
  return http;
}
