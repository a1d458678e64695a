#pragma once
#include <cstddef>
#include <memory>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "net/TNetCookie.h"

// One domain's cookies in the order they arrived, found by name without
// regard to letter case. Owns its cookies.
class TNetCookieList {
 public:
  // The cookie of that name, or none.
  TNetCookieRFC2109* Find(std::string_view name);
  void Add(std::unique_ptr<TNetCookieRFC2109> cookie) { cookies_.push_back(std::move(cookie)); }
  void RemoveOldest() { cookies_.erase(cookies_.begin()); }
  const std::vector<std::unique_ptr<TNetCookieRFC2109>>& Cookies() const { return cookies_; }
  // Removes, from the last to the first, every cookie `expired` says is.
  template <typename Predicate>
  void RemoveIf(Predicate expired) {
    for (auto i = cookies_.size(); i-- > 0;)
      if (expired(*cookies_[i])) cookies_.erase(cookies_.begin() + static_cast<std::ptrdiff_t>(i));
  }

 private:
  std::vector<std::unique_ptr<TNetCookieRFC2109>> cookies_;
};

// A cookie chosen for a request.
struct TNetCookieToSend {
  std::string Name;
  std::string Value;
  std::string Path;
};

// Every cookie the program has accepted, by domain in the order the domains
// first appeared. Reading for a request may happen beside other readers;
// storing and clean-up exclude everyone else.
//
// A hostile server may send any number of cookies of any size; these bounds,
// the least a client is expected to hold, keep the store's memory and the
// cost of each lookup in it bounded.
class TNetCookies {
 public:
  static constexpr int kMaxCookiesPerDomain = 50;
  static constexpr int kMaxCookies = 3000;
  static constexpr std::size_t kMaxCookieText = 4096;

  // Stores under the cookie's domain. A cookie of the same name there
  // takes over the new one's attributes and keeps its place. A cookie whose
  // text is longer than kMaxCookieText is dropped; a new name in a full
  // domain pushes out that domain's oldest cookie, and one that would go
  // beyond kMaxCookies in all is dropped.
  void AddCookie(std::unique_ptr<TNetCookieRFC2109> cookie);

  // Removes cookies whose expiry has passed or cannot be read, and domains
  // left without cookies.
  void RemoveExpired();

  // Cookies for a request to `host` with the directory `path`, each domain
  // walked from its newest cookie to its oldest. A domain covers the hosts
  // that end in it at a label boundary, a public suffix only itself.
  std::vector<TNetCookieToSend> CookiesFor(std::string_view host, std::string_view path,
                                           bool secure) const;

  int CookieCount() const;

 private:
  struct Domain {
    std::string Name;
    // A public suffix: only the host of that very name may have stored
    // cookies for it, and only that host gets them back.
    bool HostOnly;
    TNetCookieList Cookies;
  };

  mutable std::shared_mutex lock_;
  std::vector<Domain> domains_;
  int count_ = 0;
};
