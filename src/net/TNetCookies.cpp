#include "net/TNetCookies.h"

#include <mutex>

#include "net/InternetDate.h"
#include "net/NetText.h"
#include "net/PublicSuffix.h"

namespace {

// Whether a cookie of `domain` belongs to `host`: the same name, or `host`
// ending in it at a label boundary (".b.c" and "b.c" both cover "a.b.c").
// A test for the domain anywhere in the host would hand a site's cookies to
// every host whose name merely contains it: "example.com" covers neither
// "badexample.com" nor "example.com.attacker.net".
bool DomainCovers(std::string_view domain, std::string_view host) {
  if (domain.empty() || host.size() < domain.size()) return false;
  const std::string_view tail = host.substr(host.size() - domain.size());
  if (!net_text::SameText(tail, domain)) return false;
  return host.size() == domain.size() || domain.front() == '.' ||
         host[host.size() - domain.size() - 1] == '.';
}

}  // namespace

TNetCookieRFC2109* TNetCookieList::Find(std::string_view name) {
  for (const auto& cookie : cookies_)
    if (net_text::SameText(cookie->CookieName, name)) return cookie.get();
  return nullptr;
}

void TNetCookies::AddCookie(std::unique_ptr<TNetCookieRFC2109> cookie) {
  if (cookie->CookieText.size() > kMaxCookieText) return;
  std::unique_lock guard(lock_);
  Domain* domain = nullptr;
  for (Domain& known : domains_) {
    if (net_text::SameText(known.Name, cookie->Domain)) {
      domain = &known;
      break;
    }
  }
  if (domain != nullptr) {
    if (TNetCookieRFC2109* existing = domain->Cookies.Find(cookie->CookieName)) {
      existing->SetCookie(cookie->ServerCookie());
      existing->CookieKind = cookie->CookieKind;
      return;
    }
    // Only the domain's own server can fill it, and its newest cookies are
    // the ones it is still using.
    if (domain->Cookies.Cookies().size() >= static_cast<std::size_t>(kMaxCookiesPerDomain)) {
      domain->Cookies.RemoveOldest();
      --count_;
    }
  }
  // Pushing out other domains' cookies would let one server end every
  // other server's sessions.
  if (count_ >= kMaxCookies) return;
  if (domain == nullptr)
    domain = &domains_.emplace_back(Domain{cookie->Domain, IsPublicSuffix(cookie->Domain), {}});
  domain->Cookies.Add(std::move(cookie));
  ++count_;
}

void TNetCookies::RemoveExpired() {
  const auto now = LocalNow();
  std::unique_lock guard(lock_);
  for (Domain& domain : domains_) {
    domain.Cookies.RemoveIf([this, &now](const TNetCookieRFC2109& cookie) {
      if (cookie.Expires.empty()) return false;
      // An expiry that cannot be read counts as long past. One that is now
      // counts as past too: the text holds whole seconds, so a cookie given
      // a Max-Age of 0 would otherwise live on whenever the next request
      // falls on the first millisecond of that same second.
      const auto expires = ReadInternetDate(cookie.Expires);
      const bool expired = !expires || *expires <= now;
      if (expired) --count_;
      return expired;
    });
  }
  // Empty domains would pile up as servers come and go.
  std::erase_if(domains_, [](const Domain& domain) { return domain.Cookies.Cookies().empty(); });
}

std::vector<TNetCookieToSend> TNetCookies::CookiesFor(std::string_view host, std::string_view path,
                                                      bool secure) const {
  std::vector<TNetCookieToSend> chosen;
  std::shared_lock guard(lock_);
  for (const Domain& domain : domains_) {
    if (domain.HostOnly ? !net_text::SameText(domain.Name, host) : !DomainCovers(domain.Name, host)) continue;
    const auto& cookies = domain.Cookies.Cookies();
    for (auto i = cookies.rbegin(); i != cookies.rend(); ++i) {
      const TNetCookieRFC2109& cookie = **i;
      if (cookie.Path.empty() || !path.starts_with(cookie.Path)) continue;
      if (cookie.Secure && !secure) continue;
      if (cookie.Value.empty()) continue;
      chosen.push_back({cookie.CookieName, cookie.Value, cookie.Path});
    }
  }
  return chosen;
}

int TNetCookies::CookieCount() const {
  std::shared_lock guard(lock_);
  return count_;
}
