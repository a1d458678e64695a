// Any text parses into a URI without fault, builds back when it has a
// protocol and a host, and merges as a path against any base.
#include <cstdint>
#include <string>
#include <string_view>

#include "net/ENetExceptions.h"
#include "net/TNetURI.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TNetURI uri(text);
  try {
    const std::string full = uri.GetFullURI();
    // What we write reads back to the same host, unless an "@" in the host
    // or port turns into credentials once no user name stands before it.
    if ((uri.Host + uri.Port).find('@') == std::string::npos) {
      TNetURI again(full);
      if (again.Host != uri.Host || again.Protocol != uri.Protocol) __builtin_trap();
    }
  } catch (const ENetURIException&) {
  }
  const auto newline = text.find('\n');
  const std::string_view base = text.substr(0, newline);
  const std::string_view path = newline == std::string_view::npos ? "" : text.substr(newline + 1);
  const std::string merged = TNetURI::PathMerge(base, path);
  // Relative paths come out with runs of "/" collapsed.
  if (!path.starts_with('/') && merged.find("//") != std::string::npos) __builtin_trap();
  return 0;
}
