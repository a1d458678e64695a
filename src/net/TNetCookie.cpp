#include "net/TNetCookie.h"

#include <chrono>

#include "net/InternetDate.h"
#include "net/NetText.h"
#include "platform/Conversion.h"

namespace {

using namespace std::chrono;

std::vector<std::string> SplitItems(std::string_view text) {
  std::vector<std::string> items;
  while (!text.empty()) {
    const std::string_view item = net_text::Trim(net_text::Fetch(text, ";"));
    const auto equals = item.find('=');
    if (equals == std::string_view::npos)
      items.push_back(net_text::UpperCase(item));
    else
      items.push_back(net_text::UpperCase(item.substr(0, equals)) + std::string(item.substr(equals)));
  }
  return items;
}

std::string_view WithoutQuotes(std::string_view text) {
  if (!text.empty() && text.front() == '"') text.remove_prefix(1);
  if (!text.empty() && text.back() == '"') text.remove_suffix(1);
  return text;
}

void AddItem(std::string& text, std::string_view name, std::string_view value) {
  if (value.empty()) return;
  text += "; ";
  text += name;
  text += '=';
  text += value;
}

// Now plus `max_age` seconds, held to the last moment an Internet date
// text can carry so that a huge Max-Age means "never" rather than overflow.
TNetLocalTime ExpiryAfter(std::int64_t max_age) {
  const auto now = floor<seconds>(LocalNow());
  const TNetLocalTime latest = local_days(year(9999) / December / 31) + 23h + 59min + 59s;
  if (max_age >= (latest - now).count()) return latest;
  return now + seconds(max_age);
}

}  // namespace

std::string TNetCookieAttributes::Value(std::string_view name) const {
  for (const std::string& item : items_) {
    std::string_view rest = item;
    if (item.find('=') != std::string::npos && net_text::SameText(net_text::Fetch(rest, "="), name))
      return std::string(rest);
  }
  return {};
}

bool TNetCookieAttributes::HasFlag(std::string_view name) const {
  for (const std::string& item : items_)
    if (net_text::SameText(item, name)) return true;
  return false;
}

void TNetNetscapeCookie::SetCookie(std::string_view text) {
  if (text == CookieText) return;
  CookieText = std::string(text);
  // The first item is the cookie itself, kept as sent, letter case included.
  std::string_view first = net_text::Trim(net_text::Fetch(text, ";"));
  CookieName = std::string(net_text::Fetch(first, "="));
  Value = std::string(first);
  ReadAttributes(TNetCookieAttributes(SplitItems(text)));
}

void TNetNetscapeCookie::ReadAttributes(const TNetCookieAttributes& attributes) {
  Path = std::string(WithoutQuotes(attributes.Value("PATH")));
  Expires = attributes.Value("EXPIRES");
  Domain = attributes.Value("DOMAIN");
  Secure = attributes.HasFlag("SECURE");
}

std::string TNetNetscapeCookie::ServerCookie() const {
  std::string text = CookieName + "=" + Value;
  AddItem(text, "path", Path);
  // Written for every kind, not only plain cookies: a cookie that takes
  // over a newer one by reading this text must keep its expiry, or a
  // server could never make it expire.
  AddItem(text, "expires", Expires);
  AddItem(text, "domain", Domain);
  if (Secure) text += "; secure";
  return text;
}

void TNetCookieRFC2109::ReadAttributes(const TNetCookieAttributes& attributes) {
  TNetNetscapeCookie::ReadAttributes(attributes);
  MaxAge = platform::ReadInteger64(attributes.Value("MAX-AGE")).value_or(-1);
  Version = attributes.Value("VERSION");
  Comment = attributes.Value("COMMENT");
  if (Expires.empty()) {
    CookieKind = ckPlain;
    if (MaxAge >= 0) Expires = InternetDateText(ExpiryAfter(MaxAge));
  }
}

std::string TNetCookieRFC2109::ServerCookie() const {
  std::string text = TNetNetscapeCookie::ServerCookie();
  if (MaxAge >= 0 && Expires.empty()) AddItem(text, "max-age", std::to_string(MaxAge));
  AddItem(text, "comment", Comment);
  AddItem(text, "version", Version);
  return text;
}

void TNetCookieRFC2965::ReadAttributes(const TNetCookieAttributes& attributes) {
  TNetCookieRFC2109::ReadAttributes(attributes);
  CommentURL = attributes.Value("CommentURL");
  Discard = attributes.HasFlag("DISCARD");
  PortList.clear();
  const std::string ports = attributes.Value("PORT");
  const bool quoted = ports.size() >= 2 && ports.front() == '"' && ports.back() == '"';
  if (ports.empty() || ports == "\"\"") {
    PortList.push_back(80);
  } else if (quoted) {
    std::string_view list = std::string_view(ports).substr(1, ports.size() - 2);
    while (!list.empty()) PortList.push_back(platform::IntegerFromText(net_text::Fetch(list, ",")));
  }
}
