// The update description as the check fetches and reads it, from whatever a
// server sends: never more than its limit is kept, and the offered release
// is read from what was.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "ReplayIOHandler.h"
#include "net/ENetExceptions.h"
#include "net/TNetHTTP.h"
#include "net/TNetStringStream.h"
#include "platform/Conversion.h"
#include "platform/ProfileFile.h"
#include "update/UpdateCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::unique_ptr<TNetHTTP> http = ClientReplaying(data, size);
  if (!http) return 0;
  TNetStringStream description;
  try {
    update::FetchDescription(*http, "http://fuzz.example/liveupdate/project_tarvik/mainappupdate.inf", description);
  } catch (const ENetException&) {
    if (description.Size() > update::kDescriptionByteLimit) __builtin_trap();
    return 0;
  } catch (const platform::ConversionError&) {
    return 0;
  }
  if (description.Size() > update::kDescriptionByteLimit) __builtin_trap();
  const std::string version =
      platform::ProfileFile::FromText(description.Text()).ReadString("APPLICATION", "Version");
  update::OfferedVersion(version, data[0] % 3 ? '.' : ',');
  return 0;
}
