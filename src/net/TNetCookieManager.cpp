#include "net/TNetCookieManager.h"

#include <algorithm>

#include "net/NetText.h"
#include "net/PublicSuffix.h"
#include "platform/Conversion.h"

namespace {

// Dotted-quad: the first four dot-separated parts are numbers 0 to 255.
bool IsIPv4Address(std::string_view host) {
  host = net_text::Trim(host);
  for (int part = 0; part < 4; ++part) {
    if (host.empty() && part > 0) return false;
    const std::string_view number = net_text::Fetch(host, ".");
    if (number.empty() || number.size() > 3 ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return false;
    if (platform::ReadInteger(number).value_or(256) > 255) return false;
  }
  return true;
}

bool IsHostName(std::string_view text) {
  return !IsIPv4Address(text) && !(text.starts_with('.'));
}

// `host` from its first "." on; the whole of it when it has none.
std::string_view FromFirstDot(std::string_view host) {
  const auto dot = host.find('.');
  return dot == std::string_view::npos ? host : host.substr(dot);
}

}  // namespace

bool CookieDomainIsValid(std::string_view domain, std::string_view host) {
  if (IsIPv4Address(host)) return domain == host;
  if (!host.starts_with('.')) {
    if (IsHostName(domain)) return domain == host;
    return domain == FromFirstDot(host);
  }
  return net_text::SameText(domain, FromFirstDot(host));
}

void TNetCookieManager::StoreCookie(std::string_view set_cookie, std::string_view host) {
  Store(std::make_unique<TNetCookieRFC2109>(), set_cookie, host);
}

void TNetCookieManager::StoreCookie2(std::string_view set_cookie2, std::string_view host) {
  Store(std::make_unique<TNetCookieRFC2965>(), set_cookie2, host);
}

void TNetCookieManager::Store(std::unique_ptr<TNetCookieRFC2109> cookie, std::string_view text,
                              std::string_view host) {
  cookie->SetCookie(text);
  if (cookie->Domain.empty()) cookie->Domain = std::string(host);
  if (!CookieDomainIsValid(cookie->Domain, host)) return;
  // A server may not hand its cookie to every site under a public suffix
  // (evil.com setting ".com"); only a host that is such a name itself may
  // keep cookies of its own, and the store sends those to it alone.
  if (cookie->Domain != host && IsPublicSuffix(cookie->Domain)) return;
  if (OnNewCookie && !OnNewCookie(*cookie)) return;
  cookies_.AddCookie(std::move(cookie));
}

std::string TNetCookieManager::CookieHeaderFor(const TNetURI& target, bool secure_connection) {
  cookies_.RemoveExpired();
  std::vector<TNetCookieToSend> chosen =
      cookies_.CookiesFor(target.Host, target.Path, secure_connection);
  std::stable_sort(chosen.begin(), chosen.end(),
                   [](const TNetCookieToSend& a, const TNetCookieToSend& b) {
                     return net_text::UpperCase(a.Path) > net_text::UpperCase(b.Path);
                   });
  std::string header;
  for (const TNetCookieToSend& cookie : chosen) {
    if (!header.empty()) header += "; ";
    header += cookie.Name + "=" + cookie.Value;
  }
  return header;
}
