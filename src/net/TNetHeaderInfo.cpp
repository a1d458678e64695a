#include "net/TNetHeaderInfo.h"

#include "net/NetText.h"

namespace {

void SetDate(TNetHeaderList& headers, std::string_view name,
             const std::optional<TNetLocalTime>& moment) {
  if (moment) headers.SetValueIfNotEmpty(name, InternetDateText(*moment));
}

}  // namespace

void TNetEntityHeaderInfo::ClearEntityFields() {
  Connection.clear();
  ContentVersion.clear();
  ContentEncoding.clear();
  ContentLanguage.clear();
  ContentType = "text/html";
  ContentLength = -1;
  ContentRangeStart = 0;
  ContentRangeEnd = 0;
  Date.reset();
  Expires.reset();
  LastModified.reset();
  RawHeaders.Clear();
}

void TNetEntityHeaderInfo::SetEntityHeaders() {
  RawHeaders.Clear();
  RawHeaders.SetValueIfNotEmpty("Connection", Connection);
  RawHeaders.SetValueIfNotEmpty("Content-Version", ContentVersion);
  RawHeaders.SetValueIfNotEmpty("Content-Encoding", ContentEncoding);
  RawHeaders.SetValueIfNotEmpty("Content-Language", ContentLanguage);
  RawHeaders.SetValueIfNotEmpty("Content-Type", ContentType);
  if (ContentLength >= 0) RawHeaders.SetValueIfNotEmpty("Content-Length", std::to_string(ContentLength));
  RawHeaders.SetValueIfNotEmpty("Cache-control", CacheControl);
  SetDate(RawHeaders, "Date", Date);
  SetDate(RawHeaders, "Expires", Expires);
  RawHeaders.SetValueIfNotEmpty("Pragma", Pragma);
  RawHeaders.AddLines(CustomHeaders);
}

void TNetProxyConnectionInfo::SetProxyServer(std::string server) {
  if (!net_text::SameText(server, proxy_server_)) Authentication.reset();
  proxy_server_ = std::move(server);
}

void TNetProxyConnectionInfo::SetProxyPort(int port) {
  if (port != proxy_port_) Authentication.reset();
  proxy_port_ = port;
}

void TNetProxyConnectionInfo::SetHeaders(TNetHeaderList& headers) {
  headers.SetValueIfNotEmpty("Proxy-Authorization",
                   AuthorizationValue(Authentication, BasicAuthentication, ProxyUsername,
                                      ProxyPassword));
}
