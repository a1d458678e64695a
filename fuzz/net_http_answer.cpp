// The HTTP exchange reading whatever a server might send: the input is the
// server's side of one connection.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "ReplayIOHandler.h"
#include "net/ENetExceptions.h"
#include "net/TNetHTTP.h"
#include "net/TNetStringStream.h"
#include "platform/Conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::unique_ptr<TNetHTTP> http = ClientReplaying(data, size);
  if (!http) return 0;
  TNetStringStream body;
  try {
    http->FetchUrl("http://fuzz.example/a/b/doc.inf", body);
  } catch (const ENetException&) {
  } catch (const platform::ConversionError&) {
  }
  return 0;
}
