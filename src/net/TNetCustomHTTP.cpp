#include "net/TNetCustomHTTP.h"

#include "net/ENetHTTPExceptions.h"
#include "net/ENetTransportExceptions.h"
#include "net/NetText.h"
#include "net/TNetNullStream.h"
#include "net/TNetStringStream.h"
#include "platform/Conversion.h"

namespace {

constexpr int kHTTPPort = 80;
constexpr int kDrainReadTimeout = 4000;
constexpr int kErrorBodyReadTimeout = 2000;
// Real answer heads are a few kilobytes; these bounds only stop a server
// that never ends its head from filling memory.
constexpr int kMaxHeadLines = 10000;
constexpr std::size_t kMaxHeadBytes = 1024 * 1024;
// An error page is shown as text; more of it than this is not kept.
constexpr std::int64_t kMaxErrorBody = 1024 * 1024;
// Real servers send one "100 Continue" at most; the bound stops one that
// sends them without end, each with cookies to store.
constexpr int kMaxInterimAnswers = 100;

}  // namespace

TNetCustomHTTP::TNetCustomHTTP() { SetPort(kHTTPPort); }

TNetCustomHTTP::~TNetCustomHTTP() = default;

void TNetCustomHTTP::SetPort(int port) {
  Port = port;
  current_uri_.Port = std::to_string(port);
}

void TNetCustomHTTP::SetCookieManager(TNetCookieManager* manager) {
  if (manager == cookie_manager_) return;
  cookie_manager_ = manager;
  owned_cookie_manager_.reset();
}

void TNetCustomHTTP::DoDisconnected() {
  // An authenticator that has gone through all its steps belongs to the
  // connection that is gone now.
  auto& authentication = protocol_.Request.Authentication;
  if (authentication && authentication->CurrentStep() == authentication->Steps())
    authentication.reset();
  TNetTCPClient::DoDisconnected();
}

void TNetCustomHTTP::FetchUrl(const std::string& url, TNetStream& destination) {
  try {
    RunRequests(url, destination);
  } catch (const ENetHTTPProtocolException&) {
    // The error answer was read whole: the connection is ready for the
    // next request if the server keeps it.
    EndCallAfterFailure();
    throw;
  } catch (...) {
    // Any other failure may leave part of an answer unread, and the next
    // request on this connection would read that rest as its answer.
    redirect_count_ = 0;
    CloseConnection();
    throw;
  }
  EndCall();
}

void TNetCustomHTTP::EndCallAfterFailure() {
  try {
    EndCall();
  } catch (const std::exception&) {
    // The first failure is the one the caller must hear about.
    CloseConnection();
  }
}

void TNetCustomHTTP::EndCall() {
  redirect_count_ = 0;
  if (!KeepConnection()) CloseConnection();
}

void TNetCustomHTTP::RunRequests(const std::string& url, TNetStream& destination) {
  const std::int64_t start = destination.Position();
  auth_retry_count_ = 0;
  proxy_auth_retry_count_ = 0;
  protocol_.Request.Target = url;
  protocol_.Request.Method = hmGet;
  protocol_.Response.BodyStream = &destination;
  for (;;) {
    ++redirect_count_;
    PrepareTarget();
    ChooseEndpoint();
    MakeSureConnected();
    WriteRequestHead();
    ReadAnswerHead();
    for (int interim = 0; protocol_.Response.StatusCode == 100; ++interim) {
      if (interim == kMaxInterimAnswers) throw ENetTooManyInterimAnswers();
      ReadAnswerHead();
    }
    switch (DecideOnAnswer()) {
      case TNext::Follow:
        // Whatever an earlier answer wrote is not part of the final body.
        destination.SetPosition(start);
        destination.SetSize(start);
        auth_retry_count_ = 0;
        proxy_auth_retry_count_ = 0;
        break;
      case TNext::RetryAuth:
        --redirect_count_;
        protocol_.Request.Target = url;
        break;
      case TNext::Done:
        return;
      case TNext::Undecided:
        throw ENetException("Undefined situation");
    }
  }
}

void TNetCustomHTTP::PrepareTarget() {
  TNetHTTPRequest& request = protocol_.Request;
  const TNetURI next(request.Target);
  if (!next.Username.empty()) {
    request.Username = next.Username;
    request.Password = next.Password;
  }
  current_uri_.Username = request.Username;
  current_uri_.Password = request.Password;
  current_uri_.Path = TNetURI::PathMerge(current_uri_.Path, next.Path);
  current_uri_.Document = next.Document;
  current_uri_.Params = next.Params;
  if (!next.Host.empty()) current_uri_.Host = next.Host;
  current_uri_.Protocol = next.Protocol.empty() ? "http" : next.Protocol;
  if (!next.Port.empty()) {
    current_uri_.Port = next.Port;
  } else {
    const int old_port = platform::ReadInteger(current_uri_.Port).value_or(0);
    if (old_port == 0 || old_port == 80 || old_port == 443) {
      if (net_text::SameText(current_uri_.Protocol, "http"))
        current_uri_.Port = "80";
      else if (net_text::SameText(current_uri_.Protocol, "https"))
        current_uri_.Port = "443";
      else
        throw ENetUnknownProtocol();
    }
  }
  request.Target = current_uri_.Path + current_uri_.Document + current_uri_.Params;
  request.ContentLength = -1;
  request.Host = current_uri_.Port == "80"
                     ? current_uri_.Host
                     : current_uri_.Host + ":" + current_uri_.Port;
}

void TNetCustomHTTP::ChooseEndpoint() {
  const int port = platform::IntegerFromText(current_uri_.Port);
  const bool https = net_text::SameText(current_uri_.Protocol, "https");
  if (!net_text::SameText(Host, current_uri_.Host) || Port != port || UseTLS != https) {
    if (IsConnected()) CloseConnection();
    Host = current_uri_.Host;
    Port = port;
    UseTLS = https;
  }
  // A handler of the caller's is used for every target, so it must be one
  // that speaks TLS when the target asks for it.
  if (https && IOHandler() && !IOHandlerOwned() && !IOHandler()->IsSecure())
    throw ENetIOHandlerPropInvalid();
  if (ProtocolVersion == pv1_0 && protocol_.Request.Connection.empty())
    protocol_.Request.Connection = "keep-alive";
}

void TNetCustomHTTP::MakeSureConnected() {
  if (!KeepConnection()) CloseConnection();
  PollPeerClosed();
  // Bytes that arrived before the request went out answer none of ours (the
  // rest of a body longer than announced, say); read as the next answer
  // they would give a wrong one.
  if (IsConnected() && !InputBuffer().Empty()) CloseConnection();
  if (!IsConnected()) OpenConnection(ReadTimeout);
}

void TNetCustomHTTP::WriteRequestHead() {
  TNetHTTPRequest& request = protocol_.Request;
  request.BuildHeaders(ProxyParams);
  if (cookie_manager_) {
    const bool secure = IOHandler() && IOHandler()->IsSecure();
    const std::string cookies = cookie_manager_->CookieHeaderFor(current_uri_, secure);
    if (!cookies.empty()) request.RawHeaders.SetValue("Cookie", cookies);
  }
  BeginWriteBatch(-1);
  try {
    std::string line(MethodText(request.Method));
    line.append(request.Target).append(" HTTP/").append(
        ProtocolVersionText(ProtocolVersion));
    WriteLine(line);
    for (const std::string& header : request.RawHeaders.Lines())
      if (!header.empty()) WriteLine(header);
    WriteLine("");
  } catch (...) {
    // Lines only fail to queue when the socket is gone, so the rest of the
    // batch cannot be sent either; the queuing failure is the one to report.
    try {
      EndWriteBatch();
    } catch (const ENetException&) {
    }
    throw;
  }
  EndWriteBatch();
}

void TNetCustomHTTP::ReadAnswerHead() {
  TNetHTTPResponse& response = protocol_.Response;
  response.StatusLine = ReadLine();
  response.Clear();
  answer_read_ = true;
  std::size_t head_bytes = response.StatusLine.size();
  for (;;) {
    std::string line;
    try {
      line = ReadLine();
    } catch (const ENetConnClosedGracefully&) {
      if (response.RawHeaders.Count() == 0) throw;
      CloseConnection();
      break;
    }
    if (line.empty()) break;
    head_bytes += line.size();
    if (response.RawHeaders.Count() >= kMaxHeadLines || head_bytes > kMaxHeadBytes)
      throw ENetAnswerHeadTooLarge();
    response.RawHeaders.Add(std::move(line));
  }
  response.ProcessHeaders();
  TakeCookies();
  response.StatusCode = StatusCodeFromLine(response.StatusLine);
}

void TNetCustomHTTP::TakeCookies() {
  if (!cookie_manager_ && AllowCookies) {
    owned_cookie_manager_ = std::make_unique<TNetCookieManager>();
    cookie_manager_ = owned_cookie_manager_.get();
  }
  if (!cookie_manager_) return;
  const TNetHeaderList& lines = protocol_.Response.RawHeaders;
  for (const std::string& value : lines.AllValues("Set-cookie"))
    cookie_manager_->StoreCookie(value, current_uri_.Host);
  for (const std::string& value : lines.AllValues("Set-cookie2"))
    cookie_manager_->StoreCookie2(value, current_uri_.Host);
}

bool TNetCustomHTTP::AskRedirect(std::string& target, TNetHTTPMethod& method) {
  bool handled = HandleRedirects;
  if (OnRedirect) OnRedirect(*this, target, method, handled, redirect_count_);
  return handled;
}

TNetCustomHTTP::TNext TNetCustomHTTP::DecideRedirect() {
  TNetHTTPResponse& response = protocol_.Response;
  std::string target = response.Location;
  TNetHTTPMethod method = protocol_.Request.Method;
  TNext next = TNext::Done;
  if (HandleRedirects && redirect_count_ < RedirectMaximum) {
    if (!AskRedirect(target, method)) RaiseStatusError();
    protocol_.Request.Target = target;
    protocol_.Request.Method = method;
    next = TNext::Follow;
  } else {
    if (!AskRedirect(target, method)) RaiseStatusError();
    response.Location = target;
  }
  if (IsConnected()) DrainBody();
  return next;
}

TNetCustomHTTP::TNext TNetCustomHTTP::DecideOnAnswer() {
  const TNetHTTPResponse& response = protocol_.Response;
  const int status = response.StatusCode;
  const int status_class = status / 100;
  if ((status_class == 3 && status != 304) || !response.Location.empty())
    return DecideRedirect();

  TNext next = TNext::Undecided;
  bool drain_for_auth = false;
  if (status_class != 2) {
    next = TNext::Follow;
    if (status == 401 || status == 407) {
      const bool proxy = status == 407;
      int& retries = proxy ? proxy_auth_retry_count_ : auth_retry_count_;
      auto& authentication = proxy ? ProxyParams.Authentication
                                   : protocol_.Request.Authentication;
      if (retries >= AuthRetries || !Authorize(proxy)) {
        if (authentication) authentication->Reset();
        RaiseStatusError();
      }
      drain_for_auth = (HTTPOptions & hoInProcessAuth) != 0;
    } else {
      RaiseStatusError();
    }
  }
  if (IsConnected()) {
    if (drain_for_auth) {
      DrainBody();
      next = TNext::RetryAuth;
    } else {
      ReadBody(response.BodyStream);
      next = TNext::Done;
    }
  }
  return next;
}

void TNetCustomHTTP::DrainBody() {
  const int saved_timeout = ReadTimeout;
  ReadTimeout = kDrainReadTimeout;
  TNetNullStream discarded;
  try {
    ReadBody(&discarded);
  } catch (const ENetOperationAborted&) {
    ReadTimeout = saved_timeout;
    throw;
  } catch (const std::exception&) {
    // A redirect's page is not worth failing the request for, but the rest
    // of it, still to come, would be read as the next answer.
    CloseConnection();
  }
  ReadTimeout = saved_timeout;
}

void TNetCustomHTTP::ReadBody(TNetStream* stream) {
  const TNetHTTPResponse& response = protocol_.Response;
  // These answers never carry a body; waiting for one until the server
  // closes would stall a kept-alive connection.
  if (!stream || response.StatusCode == 204 || response.StatusCode == 304) return;
  if (response.ContentLength > 0) {
    try {
      ReadToStream(*stream, response.ContentLength, false);
    } catch (const ENetConnClosedGracefully&) {
      // A short body: what arrived stays in the stream.
    }
  } else if (response.RawHeaders.Value("Transfer-Encoding").find("chunked") !=
             std::string::npos) {
    ReadChunkedBody(*stream);
  } else if (!response.HasLength()) {
    ReadToStream(*stream, -1, true);
  }
}

void TNetCustomHTTP::ReadChunkedBody(TNetStream& stream) {
  Report(hsStatusText, "Chunk Started");
  std::int64_t size = ChunkSizeFromLine(ReadLine());
  while (size > 0) {
    ReadToStream(stream, size, false);
    ReadLine();
    size = ChunkSizeFromLine(ReadLine());
  }
  // Trailer lines are not read. One left on the connection would be taken
  // for the next answer's status line, so a connection that has any goes.
  if (!ReadLine().empty()) CloseConnection();
}

void TNetCustomHTTP::RaiseStatusError() {
  TNetHTTPResponse& response = protocol_.Response;
  const int saved_timeout = ReadTimeout;
  TNetStream* const saved_stream = response.BodyStream;
  TNetStringStream error_body(kMaxErrorBody);
  ReadTimeout = kErrorBodyReadTimeout;
  response.BodyStream = &error_body;
  try {
    ReadBody(&error_body);
  } catch (...) {
    ReadTimeout = saved_timeout;
    response.BodyStream = saved_stream;
    throw;
  }
  ReadTimeout = saved_timeout;
  response.BodyStream = saved_stream;
  throw ENetHTTPProtocolException(response.StatusCode, response.StatusLine,
                                  error_body.Text());
}

bool TNetCustomHTTP::KeepConnection() {
  TNetHTTPResponse& response = protocol_.Response;
  if (!answer_read_) return response.KeepConnection = false;
  const std::string_view status_line = response.StatusLine;
  if (status_line.size() >= 8) {
    const std::string_view version = status_line.substr(5, 3);
    if (version == "1.0") response.ServerVersion = pv1_0;
    if (version == "1.1") response.ServerVersion = pv1_1;
  }
  PollPeerClosed();
  bool keep = IsConnected();
  if (keep) {
    const std::string_view connection = net_text::Trim(response.Connection);
    const std::string_view proxy_connection = net_text::Trim(response.ProxyConnection);
    if (ProtocolVersion == pv1_1)
      keep = !net_text::SameText(connection, "CLOSE") &&
             !net_text::SameText(proxy_connection, "CLOSE");
    else
      keep = net_text::SameText(connection, "KEEP-ALIVE") ||
             net_text::SameText(proxy_connection, "KEEP-ALIVE");
  }
  return response.KeepConnection = keep;
}

bool TNetCustomHTTP::Authorize(bool proxy) {
  TNetHTTPRequest& request = protocol_.Request;
  const TNetHTTPResponse& response = protocol_.Response;
  ++(proxy ? proxy_auth_retry_count_ : auth_retry_count_);
  auto& authentication = proxy ? ProxyParams.Authentication : request.Authentication;
  const std::vector<std::string>& challenges =
      proxy ? response.ProxyAuthenticate : response.WWWAuthenticate;
  if (!authentication) {
    std::string scheme;
    for (const std::string& challenge : challenges) {
      const std::string word = challenge.substr(0, challenge.find(' '));
      if (CreateAuthentication(word)) {
        scheme = word;
        break;
      }
    }
    if (scheme.empty()) return false;
    const TNetSelectAuthorizationEvent& select =
        proxy ? OnSelectProxyAuthorization : OnSelectAuthorization;
    if (select) select(*this, scheme, challenges);
    authentication = CreateAuthentication(scheme);
    if (!authentication) return false;
  }
  if (proxy) {
    ProxyParams.ProxyPassword.clear();
    authentication->Reset();
  }
  const TNetAuthorizationEvent& ask = proxy ? OnProxyAuthorization : OnAuthorization;
  if (!ask) return false;
  authentication->Username = proxy ? ProxyParams.ProxyUsername : request.Username;
  authentication->Password = proxy ? ProxyParams.ProxyPassword : request.Password;
  authentication->Params.SetValue("Authorization", authentication->Authentication());
  authentication->SetChallenges(challenges);
  // The program is asked once per challenge: a handler that accepts without
  // giving a user name would otherwise be asked for ever.
  bool asked = false;
  for (;;) {
    switch (authentication->Next()) {
      case TNetAuthentication::TNextStep::DoRequest:
        return true;
      case TNetAuthentication::TNextStep::Fail:
        return false;
      case TNetAuthentication::TNextStep::AskTheProgram: {
        bool handled = false;
        if (!asked) ask(*this, *authentication, handled);
        asked = true;
        if (!handled) return false;
        if (proxy) {
          ProxyParams.BasicAuthentication = true;
          ProxyParams.ProxyUsername = authentication->Username;
          ProxyParams.ProxyPassword = authentication->Password;
        } else {
          request.BasicAuthentication = true;
          request.Username = authentication->Username;
          request.Password = authentication->Password;
        }
        break;
      }
    }
  }
}
