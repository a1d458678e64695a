#include "net/TNetHTTP.h"

std::unique_ptr<TNetHTTP> CreateNetHTTP1() {
  auto http = std::make_unique<TNetHTTP>();
  http->AllowCookies = true;
  http->HandleRedirects = true;
  http->RedirectMaximum = 15;
  http->AuthRetries = 3;
  http->ProtocolVersion = pv1_1;
  http->HTTPOptions = hoForceEncodeParams;
  http->ReadTimeout = 0;
  http->MaxLineAction = maException;
  TNetHTTPRequest& request = http->Request();
  request.Accept = "text/html, */*";
  request.ContentType = "text/html";
  request.ContentLength = -1;
  request.ContentRangeStart = 0;
  request.ContentRangeEnd = 0;
  request.BasicAuthentication = false;
  request.UserAgent = kDefaultUserAgent;
  return http;
}
