// Any Set-Cookie text from any host is stored or dropped without fault, no
// cookie is kept for a public suffix other than the host's own name, and the
// Cookie line for that host never carries a cookie without a value.
#include <cstdint>
#include <string>
#include <string_view>

#include "net/NetText.h"
#include "net/PublicSuffix.h"
#include "net/TNetCookieManager.h"
#include "platform/Conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string host(net_text::Fetch(text, "\n"));
  TNetCookieManager manager;
  manager.OnNewCookie = [&host](const TNetCookieRFC2109& cookie) {
    if (cookie.Domain != host && IsPublicSuffix(cookie.Domain)) __builtin_trap();
    return true;
  };
  while (!text.empty()) {
    const std::string_view value = net_text::Fetch(text, "\n");
    try {
      if (!value.empty() && value.front() == '2')
        manager.StoreCookie2(value.substr(1), host);
      else
        manager.StoreCookie(value, host);
    } catch (const platform::ConversionError&) {
    }
  }
  TNetURI target;
  target.Host = host;
  target.Path = "/";
  const std::string header = manager.CookieHeaderFor(target, size % 2 == 0);
  // Values never hold ";", so the line splits back into its cookies.
  std::string_view items = header;
  while (!items.empty()) {
    std::string_view item = net_text::Fetch(items, "; ");
    if (item.find('=') == std::string_view::npos) __builtin_trap();
    net_text::Fetch(item, "=");
    if (item.empty()) __builtin_trap();
  }

  TNetCookieRFC2965 cookie;
  try {
    cookie.SetCookie(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const platform::ConversionError&) {
  }
  TNetCookieRFC2109 copy;
  copy.SetCookie(cookie.ServerCookie());
  return 0;
}
