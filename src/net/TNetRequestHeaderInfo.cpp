#include "net/TNetHeaderInfo.h"

void TNetRequestHeaderInfo::ClearRequestFields() {
  Accept = "text/html, */*";
  AcceptCharSet.clear();
  UserAgent = kDefaultUserAgent;
  BasicAuthentication = false;
}

void TNetRequestHeaderInfo::Clear() {
  TNetEntityHeaderInfo::Clear();
  ClearRequestFields();
}

void TNetRequestHeaderInfo::BuildHeaders(TNetProxyConnectionInfo& proxy) {
  SetEntityHeaders();
  RawHeaders.SetValueIfNotEmpty("Proxy-Connection", ProxyConnection);
  RawHeaders.SetValueIfNotEmpty("Host", Host);
  RawHeaders.SetValueIfNotEmpty("Accept", Accept);
  RawHeaders.SetValueIfNotEmpty("Accept-Charset", AcceptCharSet);
  RawHeaders.SetValueIfNotEmpty("Accept-Encoding", AcceptEncoding);
  RawHeaders.SetValueIfNotEmpty("Accept-Language", AcceptLanguage);
  RawHeaders.SetValueIfNotEmpty("From", From);
  RawHeaders.SetValueIfNotEmpty("Referer", Referer);
  RawHeaders.SetValueIfNotEmpty("User-Agent", UserAgent);
  if (LastModified) RawHeaders.SetValueIfNotEmpty("If-Modified-Since", InternetDateText(*LastModified));
  if (ContentRangeStart != 0 || ContentRangeEnd != 0) {
    std::string range = "bytes=" + std::to_string(ContentRangeStart) + "-";
    if (ContentRangeEnd != 0) range += std::to_string(ContentRangeEnd);
    RawHeaders.SetValueIfNotEmpty("Range", range);
  }
  RawHeaders.SetValueIfNotEmpty("Authorization",
                      AuthorizationValue(Authentication, BasicAuthentication, Username, Password));
  proxy.SetHeaders(RawHeaders);
}
