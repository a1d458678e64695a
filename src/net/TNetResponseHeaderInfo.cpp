#include <chrono>

#include "net/NetText.h"
#include "net/TNetHeaderInfo.h"
#include "platform/Conversion.h"

namespace {

// Only plain digits count as a number of seconds. Servers send "Expires: -1"
// to mean "already expired"; as a number it would be a negative time of day
// and fail the whole request, while as a date it is simply unreadable.
bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// A numeric Expires counts seconds from now, taken as a time of day; a
// day or more is no time of day and fails the request, as it always has.
TNetLocalTime ExpiresInSeconds(std::string_view digits) {
  const int seconds = platform::IntegerFromText(digits);
  if (seconds >= 24 * 60 * 60) throw platform::ConversionError("Invalid argument to time encode");
  return std::chrono::floor<std::chrono::seconds>(LocalNow()) + std::chrono::seconds(seconds);
}

}  // namespace

void TNetResponseHeaderInfo::Clear() {
  TNetEntityHeaderInfo::Clear();
  Location.clear();
  Server.clear();
  ProxyConnection.clear();
  WWWAuthenticate.clear();
  ProxyAuthenticate.clear();
}

void TNetResponseHeaderInfo::ProcessHeaders() {
  Location = RawHeaders.Value("Location");
  Server = RawHeaders.Value("Server");
  ProxyConnection = RawHeaders.Value("Proxy-Connection");

  const std::string content_range = RawHeaders.Value("Content-Range");
  if (!content_range.empty()) {
    std::string_view range = content_range;
    net_text::Fetch(range, " ");  // the unit, "bytes"
    ContentRangeStart = platform::IntegerFromText(net_text::Fetch(range, "-"));
    ContentRangeEnd = platform::IntegerFromText(net_text::Fetch(range, "/"));
  }

  WWWAuthenticate = RawHeaders.AllValues("WWW-Authenticate");
  ProxyAuthenticate = RawHeaders.AllValues("Proxy-Authenticate");

  Connection = RawHeaders.Value("Connection");
  ContentVersion = RawHeaders.Value("Content-Version");
  ContentEncoding = RawHeaders.Value("Content-Encoding");
  ContentLanguage = RawHeaders.Value("Content-Language");
  ContentType = RawHeaders.Value("Content-Type");

  ContentLength =
      platform::ReadInteger(net_text::Trim(RawHeaders.Value("Content-Length"))).value_or(-1);

  Date = ReadInternetDate(RawHeaders.Value("Date"));
  LastModified = ReadInternetDate(RawHeaders.Value("Last-Modified"));

  const std::string expires = RawHeaders.Value("Expires");
  Expires = AllDigits(expires) ? ExpiresInSeconds(expires) : ReadInternetDate(expires);

  Pragma = RawHeaders.Value("Pragma");
}
