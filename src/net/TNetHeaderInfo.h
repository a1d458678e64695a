#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/InternetDate.h"
#include "net/TNetAuthentication.h"
#include "net/TNetHeaderList.h"

// Header lines of a request or an answer mirrored in typed fields. The raw
// lines are what travels; the fields are what the exchange decides on.

inline constexpr char kDefaultUserAgent[] = "Mozilla/3.0 (compatible; Tarvik HTTP Client)";
inline constexpr int kHeaderRecordFoldLength = 1024;

// The fields requests and answers share.
class TNetEntityHeaderInfo {
 public:
  TNetEntityHeaderInfo() { ClearEntityFields(); }
  virtual ~TNetEntityHeaderInfo() = default;

  // Resets the fields to their cleared values and empties the raw lines;
  // CacheControl, Pragma and CustomHeaders are kept.
  virtual void Clear() { ClearEntityFields(); }

  bool HasLength() const { return ContentLength >= 0; }

  std::string Connection;
  std::string ContentVersion;
  std::string ContentEncoding;
  std::string ContentLanguage;
  std::string ContentType;
  std::int32_t ContentLength = -1;
  std::int32_t ContentRangeStart = 0;
  std::int32_t ContentRangeEnd = 0;
  std::string CacheControl;
  std::optional<TNetLocalTime> Date;
  std::optional<TNetLocalTime> Expires;
  std::optional<TNetLocalTime> LastModified;
  std::string Pragma;
  TNetHeaderList CustomHeaders;
  TNetHeaderList RawHeaders{kHeaderRecordFoldLength};

 protected:
  // Sets the entity lines on an emptied RawHeaders, then appends
  // CustomHeaders, so that later lines of the same name replace them.
  void SetEntityHeaders();

 private:
  void ClearEntityFields();
};

class TNetProxyConnectionInfo;

class TNetRequestHeaderInfo : public TNetEntityHeaderInfo {
 public:
  TNetRequestHeaderInfo() { ClearRequestFields(); }

  void Clear() override;

  // Rebuilds RawHeaders from the fields, in the order servers have always
  // seen from us, ending with the proxy's authorization. May attach a Basic
  // authenticator to the request or the proxy.
  void BuildHeaders(TNetProxyConnectionInfo& proxy);

  std::string Accept;
  std::string AcceptCharSet;
  std::string AcceptEncoding;
  std::string AcceptLanguage;
  std::string Host;
  std::string From;
  std::string Referer;
  std::string UserAgent;
  std::string ProxyConnection;
  std::string Username;
  std::string Password;
  bool BasicAuthentication = false;
  std::unique_ptr<TNetAuthentication> Authentication;

 private:
  void ClearRequestFields();
};

class TNetResponseHeaderInfo : public TNetEntityHeaderInfo {
 public:
  void Clear() override;

  // Fills the fields from RawHeaders. Throws platform::ConversionError for
  // a Content-Range part that is not a number and for a numeric Expires of
  // a day or more.
  void ProcessHeaders();

  std::string Location;
  std::string Server;
  std::string ProxyConnection;
  std::vector<std::string> WWWAuthenticate;
  std::vector<std::string> ProxyAuthenticate;
};

class TNetProxyConnectionInfo {
 public:
  const std::string& ProxyServer() const { return proxy_server_; }
  int ProxyPort() const { return proxy_port_; }
  // A different server or port makes the old credentials' authenticator
  // meaningless, so it is dropped.
  void SetProxyServer(std::string server);
  void SetProxyPort(int port);

  // Sets "Proxy-Authorization" in `headers` when there is one to send.
  void SetHeaders(TNetHeaderList& headers);

  std::string ProxyUsername;
  std::string ProxyPassword;
  bool BasicAuthentication = false;
  std::unique_ptr<TNetAuthentication> Authentication;

 private:
  std::string proxy_server_;
  int proxy_port_ = 0;
};
