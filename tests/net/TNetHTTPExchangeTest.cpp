#include "net/TNetHTTP.h"

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

#include "net/ENetHTTPExceptions.h"
#include "net/ENetTransportExceptions.h"
#include "net/ScriptedServer.h"
#include "net/TNetAntiFreeze.h"
#include "net/TNetIOHandlerSocket.h"
#include "net/TNetStringStream.h"

namespace {

// Answers the requests of each connection with the given answers in turn;
// an answer "CLOSE" closes the connection instead.
ScriptedServer::Script Answers(std::vector<std::string> answers) {
  return [answers](ScriptedPeer& peer) {
    for (const std::string& answer : answers) {
      if (peer.ReadHead().empty() || answer == "CLOSE") return;
      peer.Send(answer);
    }
    peer.ReadUntilClosed(5000);
  };
}

// Like Answers, with a list of answers for each connection in turn.
ScriptedServer::Script AnswersPerConnection(std::vector<std::vector<std::string>> connections) {
  return [connections](ScriptedPeer& peer) {
    if (static_cast<std::size_t>(peer.Index()) >= connections.size()) return;
    Answers(connections[static_cast<std::size_t>(peer.Index())])(peer);
  };
}

std::string Ok(std::string_view body, std::string_view extra_lines = "") {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
         std::string(extra_lines) + "\r\n" + std::string(body);
}

std::string Redirect(std::string_view location, int status = 302) {
  return "HTTP/1.1 " + std::to_string(status) + " Moved\r\nLocation: " +
         std::string(location) + "\r\nContent-Length: 5\r\n\r\nmoved";
}

TEST(TNetHTTP, TheLiveUpdateRequestHeadByteForByte) {
  ScriptedServer server(Answers({Ok("Version=1.03")}));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/liveupdate/project_tarvik/mainappupdate.inf"), body);
  EXPECT_EQ(body.Text(), "Version=1.03");
  EXPECT_EQ(http->StatusLine(), "HTTP/1.1 200 OK");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            "GET /liveupdate/project_tarvik/mainappupdate.inf HTTP/1.1\r\n"
            "Content-Type: text/html\r\n"
            "Host: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"
            "Accept: text/html, */*\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Tarvik HTTP Client)\r\n"
            "\r\n");
}

TEST(TNetHTTP, KeepsTheConnectionUnlessTheAnswerSaysClose) {
  ScriptedServer server(Answers({Ok("12345"), Ok("abc", "Connection:  cLoSe \r\n")}));
  auto http = CreateNetHTTP1();
  TNetStringStream first;
  http->FetchUrl(server.Url("/one"), first);
  EXPECT_EQ(first.Text(), "12345");
  EXPECT_TRUE(http->IsConnected());
  TNetStringStream second;
  http->FetchUrl(server.Url("/two"), second);
  EXPECT_EQ(second.Text(), "abc");
  EXPECT_FALSE(http->IsConnected());
  EXPECT_EQ(server.Connections(), 1);
  EXPECT_EQ(server.RequestLine(1), "GET /two HTTP/1.1");
}

TEST(TNetHTTP, ABodyWithoutLengthIsReadUntilTheServerCloses) {
  ScriptedServer server([](ScriptedPeer& peer) {
    peer.ReadHead();
    peer.Send("HTTP/1.0 200 OK\r\n\r\nall of it");
  });
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/x"), body);
  EXPECT_EQ(body.Text(), "all of it");
  EXPECT_FALSE(http->IsConnected());
}

TEST(TNetHTTP, ChunkedBodies) {
  const std::string chunk(26, 'c');
  ScriptedServer server(Answers({
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1a\r\n" + chunk +
          "\r\n3 ignored\r\nxyz\r\n0\r\n\r\n",
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1a;x=1\r\n" + chunk + "\r\n0\r\n\r\n",
  }));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/chunks"), body);
  EXPECT_EQ(body.Text(), chunk + "xyz");
  // A size line with an extension counts as the last chunk.
  TNetStringStream with_extension;
  http->FetchUrl(server.Url("/extension"), with_extension);
  EXPECT_EQ(with_extension.Text(), "");
}

TEST(TNetHTTP, ChunkedIsRecognisedOnlyInLowerCase) {
  ScriptedServer server([](ScriptedPeer& peer) {
    peer.ReadHead();
    peer.Send("HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\n3\r\nabc\r\n0\r\n\r\n");
  });
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/x"), body);
  EXPECT_EQ(body.Text(), "3\r\nabc\r\n0\r\n\r\n");
}

TEST(TNetHTTP, AChunkSizeBeyond32BitsIsAnError) {
  ScriptedServer server(Answers({"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nFFFFFFFF0\r\n"}));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  EXPECT_THROW(http->FetchUrl(server.Url("/x"), body), ENetInvalidChunkSize);
  EXPECT_FALSE(http->IsConnected());
}

TEST(TNetHTTP, AHundredContinueBeforeTheAnswerIsOneRequest) {
  ScriptedServer server(Answers({"HTTP/1.1 100 Continue\r\n\r\n" + Ok("done")}));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/x"), body);
  EXPECT_EQ(body.Text(), "done");
  EXPECT_EQ(http->StatusCode(), 200);
  EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(TNetHTTP, InterimAnswersAreBounded) {
  std::string hundred;
  for (int i = 0; i < 100; ++i) hundred += "HTTP/1.1 100 Continue\r\nSet-Cookie: c" + std::to_string(i) + "=1\r\n\r\n";
  ScriptedServer server(AnswersPerConnection({
      {hundred + Ok("fine")},
      {hundred + "HTTP/1.1 100 Continue\r\n\r\n" + Ok("never")},
  }));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/x"), body);
  EXPECT_EQ(body.Text(), "fine");
  http->CloseConnection();
  try {
    http->FetchUrl(server.Url("/x"), body);
    FAIL() << "endless interim answers passed";
  } catch (const ENetTooManyInterimAnswers& error) {
    EXPECT_STREQ(error.what(), "Too many interim answers.");
  }
  EXPECT_FALSE(http->IsConnected());
}

TEST(TNetHTTP, RelativeRedirectsMergeIntoTheCurrentTarget) {
  ScriptedServer server(Answers({Redirect("/new/doc.inf"), Redirect("sub/doc.inf"), Ok("here")}));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/a/b/x.inf"), body);
  EXPECT_EQ(body.Text(), "here");
  EXPECT_EQ(server.RequestLine(0), "GET /a/b/x.inf HTTP/1.1");
  EXPECT_EQ(server.RequestLine(1), "GET /new/doc.inf HTTP/1.1");
  EXPECT_EQ(server.RequestLine(2), "GET /new/sub/doc.inf HTTP/1.1");
  EXPECT_EQ(server.Connections(), 1);
}

TEST(TNetHTTP, ALocationOnA200IsFollowed) {
  ScriptedServer server(Answers({Ok("first", "Location: /second\r\n"), Ok("second")}));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/first"), body);
  EXPECT_EQ(body.Text(), "second");
}

TEST(TNetHTTP, RedirectToAnAbsoluteUrlWithoutPortKeepsThePort) {
  ScriptedServer server(Answers({Redirect("http://127.0.0.1/elsewhere"), Ok("kept")}));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/start"), body);
  EXPECT_EQ(body.Text(), "kept");
  EXPECT_EQ(server.RequestLine(1), "GET /elsewhere HTTP/1.1");
}

TEST(TNetHTTP, FourteenRedirectsAreFollowedAndTheFifteenthEndsTheCall) {
  std::vector<std::string> answers;
  for (int i = 1; i <= 14; ++i) answers.push_back(Redirect("/hop" + std::to_string(i)));
  answers.push_back(Redirect("/fifteen"));
  ScriptedServer server(Answers(answers));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  body.Write("keep", 4);
  http->FetchUrl(server.Url("/start"), body);
  EXPECT_EQ(body.Text(), "keep");
  EXPECT_EQ(server.Requests().size(), 15u);
  EXPECT_EQ(http->Response().Location, "/fifteen");
  // Every call counts from zero again.
  ScriptedServer second(Answers({Redirect("/next"), Ok("fine")}));
  http->FetchUrl(second.Url("/again"), body);
  EXPECT_EQ(body.Text(), "keepfine");
  http->CloseConnection();
}

// A 304 never has a body, with or without a length: the next answer on the
// connection must not be taken for one.
TEST(TNetHTTP, ErrorStatusesRaiseWithTheStatusLineAndThePage) {
  ScriptedServer server(Answers({
      "HTTP/1.1 304 Not Modified\r\n\r\n",
      "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nno page!!",
      "HTTP/1.1 OK fine\r\nContent-Length: 0\r\n\r\n",
  }));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  try {
    http->FetchUrl(server.Url("/cached"), body);
    FAIL() << "a 304 passed";
  } catch (const ENetHTTPProtocolException& error) {
    EXPECT_EQ(error.StatusCode(), 304);
    EXPECT_STREQ(error.what(), "HTTP/1.1 304 Not Modified");
  }
  try {
    http->FetchUrl(server.Url("/missing"), body);
    FAIL() << "a 404 passed";
  } catch (const ENetHTTPProtocolException& error) {
    EXPECT_EQ(error.StatusCode(), 404);
    EXPECT_STREQ(error.what(), "HTTP/1.1 404 Not Found");
    EXPECT_EQ(error.ErrorBody(), "no page!!");
  }
  try {
    http->FetchUrl(server.Url("/odd"), body);
    FAIL() << "a status line without a number passed";
  } catch (const ENetHTTPProtocolException& error) {
    EXPECT_EQ(error.StatusCode(), -1);
    EXPECT_STREQ(error.what(), "HTTP/1.1 OK fine");
  }
  EXPECT_EQ(body.Text(), "");
  EXPECT_EQ(server.Connections(), 1);
}

TEST(TNetHTTP, CookiesGoBackToTheirHost) {
  ScriptedServer server(Answers({Ok("one", "Set-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n"), Ok("two")}));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/first"), body);
  ASSERT_NE(http->CookieManager(), nullptr);
  http->FetchUrl(server.Url("/second"), body);
  const std::string second = server.Requests().at(1);
  EXPECT_NE(second.find("\r\nCookie: a=1\r\n\r\n"), std::string::npos) << second;
}

TEST(TNetHTTP, Version2CookiesGoBackToo) {
  ScriptedServer server(Answers({Ok("one", "Set-Cookie2: v=2; Version=1; Path=/\r\n"), Ok("two")}));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/first"), body);
  http->FetchUrl(server.Url("/second"), body);
  const std::string second = server.Requests().at(1);
  EXPECT_NE(second.find("\r\nCookie: v=2\r\n\r\n"), std::string::npos) << second;
  http->CloseConnection();
}

TEST(TNetHTTP, Version10AsksToKeepTheConnection) {
  ScriptedServer server(Answers({Ok("kept", "Connection: Keep-Alive\r\n"), Ok("closed")}));
  auto http = CreateNetHTTP1();
  http->ProtocolVersion = pv1_0;
  TNetStringStream body;
  http->FetchUrl(server.Url("/one"), body);
  EXPECT_EQ(server.Requests().at(0),
            "GET /one HTTP/1.0\r\n"
            "Connection: keep-alive\r\n"
            "Content-Type: text/html\r\n"
            "Host: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"
            "Accept: text/html, */*\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Tarvik HTTP Client)\r\n"
            "\r\n");
  EXPECT_TRUE(http->IsConnected());
  // Without the server's keep-alive, a 1.0 connection ends with the answer.
  http->FetchUrl(server.Url("/two"), body);
  EXPECT_EQ(body.Text(), "keptclosed");
  EXPECT_FALSE(http->IsConnected());
  EXPECT_EQ(server.Connections(), 1);
}

// Whatever is left of an answer on a kept-alive connection would be read
// as the next answer; the connection goes instead and the next request
// gets a fresh one.
TEST(TNetHTTP, NoAnswerIsReadFromTheRestOfAnother) {
  const std::string stale = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nstale";
  ScriptedServer server(AnswersPerConnection({
      // A redirect page whose drain fails half-way.
      {"HTTP/1.1 302 Found\r\nLocation: /next\r\nTransfer-Encoding: chunked\r\n\r\n"
       "FFFFFFFFFF\r\n" + stale, stale},
      {Ok("fresh")},
      // A refused 401 retried in the same way.
      {"HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"r\"\r\n"
       "Transfer-Encoding: chunked\r\n\r\nFFFFFFFFFF\r\n" + stale, stale},
      {Ok("authorized")},
      // Trailers after the last chunk, then a body longer than announced.
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n0\r\n"
       "X-Trailer: 1\r\n\r\n" + stale, stale},
      {Ok("four", "") + stale, stale},
      {Ok("last")},
  }));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->FetchUrl(server.Url("/first"), body);
  EXPECT_EQ(body.Text(), "fresh");
  EXPECT_EQ(server.Connections(), 2);
  http->CloseConnection();

  http->HTTPOptions |= hoInProcessAuth;
  http->OnAuthorization = [](TNetCustomHTTP&, TNetAuthentication& authentication, bool& handled) {
    authentication.Username = "user";
    handled = true;
  };
  TNetStringStream authorized;
  http->FetchUrl(server.Url("/private"), authorized);
  EXPECT_EQ(authorized.Text(), "authorized");
  EXPECT_EQ(server.Connections(), 4);
  http->CloseConnection();

  TNetStringStream chunked;
  http->FetchUrl(server.Url("/chunked"), chunked);
  EXPECT_EQ(chunked.Text(), "abc");
  TNetStringStream longer;
  http->FetchUrl(server.Url("/longer"), longer);
  EXPECT_EQ(longer.Text(), "four");
  TNetStringStream last;
  http->FetchUrl(server.Url("/last"), last);
  EXPECT_EQ(last.Text(), "last");
  EXPECT_EQ(server.Connections(), 7);
  http->CloseConnection();
}

TEST(TNetHTTP, PeerClosingDuringTheHead) {
  {
    // Right after the status line: the answer is incomplete.
    auto http = CreateNetHTTP1();
    TNetStringStream body;
    ScriptedServer closing([](ScriptedPeer& peer) {
      peer.ReadHead();
      peer.Send("HTTP/1.1 200 OK\r\n");
    });
    EXPECT_THROW(http->FetchUrl(closing.Url("/x"), body), ENetConnClosedGracefully);
  }
  {
    // After a header line: the lines so far count.
    ScriptedServer closing([](ScriptedPeer& peer) {
      peer.ReadHead();
      peer.Send("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n");
    });
    auto http = CreateNetHTTP1();
    TNetStringStream body;
    // ...but a 2xx found with the connection gone is no answer either.
    try {
      http->FetchUrl(closing.Url("/x"), body);
      FAIL() << "an answer without its connection passed";
    } catch (const ENetException& error) {
      EXPECT_EQ(typeid(error), typeid(ENetException));
      EXPECT_STREQ(error.what(), "Undefined situation");
    }
    EXPECT_EQ(http->Response().ContentLength, 4);
    EXPECT_FALSE(http->IsConnected());
  }
}

TEST(TNetHTTP, AnEndlessHeadIsRefused) {
  ScriptedServer server([](ScriptedPeer& peer) {
    peer.ReadHead();
    peer.Send("HTTP/1.1 200 OK\r\n");
    const std::string line = "X-Filler: " + std::string(1000, 'f') + "\r\n";
    for (int i = 0; i < 2000; ++i) peer.Send(line);
  });
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  EXPECT_THROW(http->FetchUrl(server.Url("/x"), body), ENetAnswerHeadTooLarge);
  EXPECT_FALSE(http->IsConnected());
}

TEST(TNetHTTP, TargetsTheClientCannotServe) {
  auto http = CreateNetHTTP1();
  // A handler of the caller's serves every target, https ones too.
  http->SetIOHandler(std::make_shared<TNetIOHandlerSocket>());
  TNetStringStream body;
  try {
    http->FetchUrl("https://127.0.0.1/secure", body);
    FAIL() << "https over a plain handler";
  } catch (const ENetIOHandlerPropInvalid& error) {
    EXPECT_STREQ(error.what(), "IOHandler value is not valid");
  }
  EXPECT_THROW(http->FetchUrl("ftp://127.0.0.1/file", body), ENetUnknownProtocol);
}

TEST(TNetHTTP, A401WithoutCredentialsFailsButLeavesBasicAttached) {
  ScriptedServer server(Answers({
      "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"x\"\r\n"
      "Content-Length: 6\r\n\r\ndenied",
      Ok("open"),
  }));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  try {
    http->FetchUrl(server.Url("/private"), body);
    FAIL() << "a 401 passed";
  } catch (const ENetHTTPProtocolException& error) {
    EXPECT_EQ(error.StatusCode(), 401);
    EXPECT_EQ(error.ErrorBody(), "denied");
  }
  http->FetchUrl(server.Url("/public"), body);
  EXPECT_NE(server.Requests().at(1).find("\r\nAuthorization: Basic Og==\r\n"), std::string::npos);
}

TEST(TNetHTTP, RedirectsTheComponentMayNotFollow) {
  ScriptedServer server(Answers({Redirect("/a"), Redirect("/b"), Redirect("/c")}));
  auto http = CreateNetHTTP1();
  TNetStringStream body;
  http->HandleRedirects = false;
  try {
    http->FetchUrl(server.Url("/start"), body);
    FAIL() << "followed with redirects off";
  } catch (const ENetHTTPProtocolException& error) {
    EXPECT_EQ(error.StatusCode(), 302);
  }
  http->HandleRedirects = true;
  std::vector<std::string> offered;
  http->OnRedirect = [&offered](TNetCustomHTTP&, std::string& target, TNetHTTPMethod&,
                                bool& handled, int) {
    offered.push_back(target);
    handled = target != "/c";
  };
  EXPECT_THROW(http->FetchUrl(server.Url("/again"), body), ENetHTTPProtocolException);
  // The refused redirect's page was read, so the connection went on.
  EXPECT_EQ(offered, (std::vector<std::string>{"/b", "/c"}));
  EXPECT_EQ(server.Connections(), 1);
  http->CloseConnection();
}

TEST(TNetHTTP, BasicCredentialsFromTheProgramRetryTheRequest) {
  ScriptedServer server(Answers({
      "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"tarvik\"\r\n"
      "Content-Length: 6\r\n\r\ndenied",
      Ok("welcome"),
  }));
  auto http = CreateNetHTTP1();
  http->HTTPOptions |= hoInProcessAuth;
  std::string realm;
  http->OnAuthorization = [&realm](TNetCustomHTTP&, TNetAuthentication& authentication,
                                   bool& handled) {
    realm = static_cast<TNetBasicAuthentication&>(authentication).Realm;
    authentication.Username = "user";
    authentication.Password = "pw";
    handled = true;
  };
  TNetStringStream body;
  http->FetchUrl(server.Url("/private"), body);
  EXPECT_EQ(body.Text(), "welcome");
  EXPECT_EQ(realm, "tarvik");
  EXPECT_NE(server.Requests().at(1).find("\r\nAuthorization: Basic dXNlcjpwdw==\r\n"),
            std::string::npos);
  http->CloseConnection();
}

// A hook that closes the program the first time the window gets to run.
class ClosingHook {
 public:
  explicit ClosingHook(TNetAntiFreeze& anti_freeze) {
    TNetAntiFreeze::SetProcessMessagesHook([&anti_freeze](TNetPendingMessages) {
      anti_freeze.AbortPendingCalls();
    });
  }
  ~ClosingHook() { TNetAntiFreeze::SetProcessMessagesHook({}); }
};

// Closing the program while a fetch waits ends the fetch, with its socket
// closed, wherever it waits.
TEST(TNetHTTP, ClosingTheProgramEndsAFetch) {
  const std::vector<std::string> answers = {
      "",  // the head never comes
      "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nsome",  // nor the body's end
  };
  for (const std::string& answer : answers) {
    ScriptedServer server([answer](ScriptedPeer& peer) {
      peer.ReadHead();
      peer.Send(answer);
      peer.ReadUntilClosed(10000);
    });
    TNetAntiFreeze anti_freeze;
    auto http = CreateNetHTTP1();
    TNetStringStream body;
    // Connected before the hook goes in, so that it is the wait for the
    // answer the close ends.
    http->Host = "127.0.0.1";
    http->Port = server.Port();
    http->OpenConnection();
    const ClosingHook closing(anti_freeze);
    EXPECT_THROW(http->FetchUrl(server.Url("/x"), body), ENetOperationAborted) << answer;
    EXPECT_FALSE(http->IsConnected());
    // The closing program starts nothing new.
    EXPECT_THROW(http->FetchUrl(server.Url("/x"), body), ENetOperationAborted);
  }
}

TEST(TNetHTTP, ClosingTheProgramEndsAFetchWaitingForItsHostName) {
  // A lookup that never answers; it owns what it uses, so it may outlive
  // the test.
  auto never = std::make_shared<std::promise<void>>();
  auto handler = std::make_shared<TNetIOHandlerSocket>();
  handler->HostLookup = [waiting = never->get_future().share()](const std::string&) {
    waiting.wait();
    return std::optional<std::string>("127.0.0.1");
  };
  TNetAntiFreeze anti_freeze;
  const ClosingHook closing(anti_freeze);
  auto http = CreateNetHTTP1();
  http->SetIOHandler(handler);
  TNetStringStream body;
  EXPECT_THROW(http->FetchUrl("http://127.1:1/x", body), ENetOperationAborted);
  EXPECT_FALSE(http->IsConnected());
  never->set_value();
}

}  // namespace
