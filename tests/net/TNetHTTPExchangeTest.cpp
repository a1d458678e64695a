#include "net/TNetHTTP.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/ENetHTTPExceptions.h"
#include "net/ENetTransportExceptions.h"
#include "net/ScriptedServer.h"
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
    EXPECT_THROW(http->FetchUrl(closing.Url("/x"), body), ENetException);
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
  TNetStringStream body;
  try {
    http->FetchUrl("https://127.0.0.1/secure", body);
    FAIL() << "https without TLS";
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

}  // namespace
