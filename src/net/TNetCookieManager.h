#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "net/TNetCookies.h"
#include "net/TNetURI.h"

// The HTTP client's cookie jar for one program run: takes the cookies of
// every answer and gives each request its "Cookie" line. Nothing is kept
// on disk. A cookie for a public suffix ("com", "co.uk") is refused unless
// it comes from that very host.
class TNetCookieManager {
 public:
  // Asked before a valid cookie is stored; false drops it.
  std::function<bool(const TNetCookieRFC2109& cookie)> OnNewCookie;

  // A "Set-cookie" value from `host`.
  void StoreCookie(std::string_view set_cookie, std::string_view host);
  // A "Set-cookie2" value from `host`. Throws platform::ConversionError for
  // a quoted port list entry that is not a number.
  void StoreCookie2(std::string_view set_cookie2, std::string_view host);

  // The value for the request's "Cookie" line, empty when no cookie
  // applies. Expired cookies go first. Longer paths come first.
  std::string CookieHeaderFor(const TNetURI& target, bool secure_connection);

  const TNetCookies& CookieCollection() const { return cookies_; }

 private:
  void Store(std::unique_ptr<TNetCookieRFC2109> cookie, std::string_view text,
             std::string_view host);

  TNetCookies cookies_;
};

// Whether a server at `host` may set a cookie for `domain`: a host sets
// cookies for itself or for the domain it sits in (".b.c" from "a.b.c"),
// never for a parent further up ("b.c", ".c").
bool CookieDomainIsValid(std::string_view domain, std::string_view host);
