#pragma once
#include <functional>
#include <memory>
#include <string>

#include "net/TNetCookieManager.h"
#include "net/TNetHTTPProtocol.h"
#include "net/TNetStream.h"
#include "net/TNetTCPClient.h"
#include "net/TNetURI.h"

enum TNetHTTPOption : unsigned {
  hoInProcessAuth = 1,
  hoKeepOrigProtocol = 2,
  hoForceEncodeParams = 4,
};

class TNetCustomHTTP;

// May change the redirect's target and method, and say whether to follow.
using TNetRedirectEvent =
    std::function<void(TNetCustomHTTP& sender, std::string& target,
                       TNetHTTPMethod& method, bool& handled, int redirect_count)>;
// May substitute the authentication scheme chosen from the challenges.
using TNetSelectAuthorizationEvent =
    std::function<void(TNetCustomHTTP& sender, std::string& scheme,
                       const std::vector<std::string>& challenges)>;
// Supplies credentials into the authenticator; handled false refuses.
using TNetAuthorizationEvent = std::function<void(
    TNetCustomHTTP& sender, TNetAuthentication& authentication, bool& handled)>;

// A blocking HTTP/1.x client over one TCP connection: GETs a URL into a
// stream, following redirects, keeping the connection alive between
// requests and cookies in memory between calls.
class TNetCustomHTTP : public TNetTCPClient {
 public:
  TNetCustomHTTP();
  ~TNetCustomHTTP() override;

  bool AllowCookies = true;
  bool HandleRedirects = false;
  int RedirectMaximum = 15;
  int AuthRetries = 3;
  TNetHTTPProtocolVersion ProtocolVersion = pv1_1;
  unsigned HTTPOptions = hoForceEncodeParams;
  TNetProxyConnectionInfo ProxyParams;
  TNetRedirectEvent OnRedirect;
  TNetSelectAuthorizationEvent OnSelectAuthorization;
  TNetSelectAuthorizationEvent OnSelectProxyAuthorization;
  TNetAuthorizationEvent OnAuthorization;
  TNetAuthorizationEvent OnProxyAuthorization;

  // Also sets the current target's port, which a target without a port of
  // its own keeps unless it is 0, 80 or 443.
  void SetPort(int port);

  TNetHTTPRequest& Request() { return protocol_.Request; }
  const TNetHTTPResponse& Response() const { return protocol_.Response; }
  const std::string& StatusLine() const { return protocol_.Response.StatusLine; }
  int StatusCode() const { return protocol_.Response.StatusCode; }
  const TNetURI& CurrentUri() const { return current_uri_; }

  // None until the first answer arrives when cookies are allowed. Setting
  // one (not owned) drops a manager this component made itself.
  TNetCookieManager* CookieManager() const { return cookie_manager_; }
  void SetCookieManager(TNetCookieManager* manager);

  // GETs `url` into `destination` from its current position. Returns after a
  // 2xx answer or a redirect left unfollowed; raises for anything else. The
  // answer's fields stay readable either way.
  void FetchUrl(const std::string& url, TNetStream& destination);

  // Recomputed on every call: whether the connection may carry the next
  // request. Notices a peer close first.
  bool KeepConnection();

 protected:
  void DoDisconnected() override;

 private:
  enum class TNext { Follow, Done, RetryAuth, Undecided };

  void RunRequests(const std::string& url, TNetStream& destination);
  void EndCall();
  void EndCallAfterFailure();
  void PrepareTarget();
  void ChooseEndpoint();
  void MakeSureConnected();
  void WriteRequestHead();
  void ReadAnswerHead();
  void TakeCookies();
  TNext DecideRedirect();
  TNext DecideOnAnswer();
  bool AskRedirect(std::string& target, TNetHTTPMethod& method);
  // Reads a body nobody wants with a short read timeout; a failure only
  // closes the connection.
  void DrainBody();
  void ReadBody(TNetStream* stream);
  void ReadChunkedBody(TNetStream& stream);
  [[noreturn]] void RaiseStatusError();
  bool Authorize(bool proxy);

  TNetHTTPProtocol protocol_;
  TNetURI current_uri_;
  int redirect_count_ = 0;
  int auth_retry_count_ = 0;
  int proxy_auth_retry_count_ = 0;
  bool answer_read_ = false;
  TNetCookieManager* cookie_manager_ = nullptr;
  std::unique_ptr<TNetCookieManager> owned_cookie_manager_;
};
