// The HTTP exchange reading whatever a server might send: the input is the
// server's side of one connection, handed over in pieces whose size the
// first byte chooses. Requests go nowhere.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "net/ENetExceptions.h"
#include "net/TNetHTTP.h"
#include "net/TNetIOHandler.h"
#include "net/TNetStringStream.h"
#include "platform/Conversion.h"

namespace {

class ReplayHandler : public TNetIOHandler {
 public:
  ReplayHandler(std::string_view answer, std::size_t piece) : answer_(answer), piece_(piece) {}

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
  std::ptrdiff_t Send(const char*, std::size_t count) override {
    return static_cast<std::ptrdiff_t>(count);
  }
  int LastError() const override { return 0; }

 private:
  std::string_view answer_;
  std::size_t piece_;
  bool connected_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = data[0] % 2 ? 1 + data[0] % 16 : 32768;
  const std::string_view answer(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::unique_ptr<TNetHTTP> http = CreateNetHTTP1();
  http->SetIOHandler(std::make_shared<ReplayHandler>(answer, piece));
  TNetStringStream body;
  try {
    http->FetchUrl("http://fuzz.example/a/b/doc.inf", body);
  } catch (const ENetException&) {
  } catch (const platform::ConversionError&) {
  }
  return 0;
}
