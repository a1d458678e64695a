// The HTTP client over TLS against nginx, with certificates from an
// authority each test makes for itself and trusts through SSL_CERT_FILE.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "net/ENetSSLExceptions.h"
#include "net/LocalNginx.h"
#include "net/TNetHTTP.h"
#include "net/TNetIOHandlerSocket.h"
#include "net/TNetStringStream.h"
#include "net/TestCertificates.h"
#include "support/ScopedEnvironment.h"
#include "support/TemporaryFolder.h"

namespace {

class HttpsTest : public testing::Test {
 protected:
  HttpsTest() {
    site_.Write("hello.txt", "hello\n");
    std::filesystem::create_directory(site_.File("chunked"));
    for (int i = 0; i < 20000; ++i) chunked_text_ += "line " + std::to_string(i) + "\n";
    site_.Write("chunked/lines.txt", chunked_text_);
    authority_.WriteCertificate(keys_.File("authority.pem"));
    // Only the test's authority is trusted, whatever the system's store holds.
    environment_.Set("SSL_CERT_FILE", keys_.File("authority.pem"));
    environment_.Set("SSL_CERT_DIR", keys_.Path());
  }

  void Serve(const TestCertificateAuthority& signer, const std::vector<std::string>& names,
             int valid_days = 30) {
    const LocalNginxTls tls{keys_.File("server.pem"), keys_.File("server.key")};
    signer.IssueServerCertificate(names, tls.Certificate, tls.Key, valid_days);
    nginx_ = std::make_unique<LocalNginx>(site_.Path(), tls);
  }

  std::string Fetch(const std::string& url) {
    TNetStringStream body;
    http_->FetchUrl(url, body);
    return body.Text();
  }

  int LocalPort() const {
    const auto* handler = dynamic_cast<const TNetIOHandlerSocket*>(http_->IOHandler());
    return handler && handler->Binding() ? handler->Binding()->Port : 0;
  }

  TemporaryFolder site_;
  TemporaryFolder keys_;
  std::string chunked_text_;
  ScopedEnvironment environment_;
  TestCertificateAuthority authority_;
  std::unique_ptr<LocalNginx> nginx_;
  std::unique_ptr<TNetHTTP> http_ = CreateNetHTTP1();
};

TEST_F(HttpsTest, KeptAliveAcrossRequestsWithAChunkedBody) {
  Serve(authority_, {"localhost"});
  EXPECT_EQ(Fetch(nginx_->SecureUrl("/hello.txt")), "hello\n");
  EXPECT_EQ(http_->StatusLine(), "HTTP/1.1 200 OK");
  ASSERT_TRUE(http_->IsConnected());
  EXPECT_TRUE(http_->IOHandler()->IsSecure());
  const int port = LocalPort();

  EXPECT_TRUE(Fetch(nginx_->SecureUrl("/chunked/lines.txt")) == chunked_text_);
  EXPECT_EQ(http_->Response().RawHeaders.Value("Transfer-Encoding"), "chunked");
  EXPECT_EQ(Fetch(nginx_->SecureUrl("/hello.txt")), "hello\n");
  EXPECT_EQ(LocalPort(), port) << "the connection was not kept";
}

TEST_F(HttpsTest, PlainHttpRedirectedToHttpsIsFollowed) {
  Serve(authority_, {"localhost"});
  EXPECT_EQ(Fetch(nginx_->Url("/to-https")), "hello\n");
  EXPECT_EQ(http_->CurrentUri().Protocol, "https");
  EXPECT_TRUE(http_->IOHandler()->IsSecure());
}

TEST_F(HttpsTest, ASecureCookieGoesOnlyOverHttps) {
  Serve(authority_, {"localhost"});
  const std::string plain = "http://localhost:" + std::to_string(nginx_->Port());
  Fetch(nginx_->SecureUrl("/secure-cookie"));
  EXPECT_EQ(Fetch(nginx_->SecureUrl("/echo-cookie")), "cookie=[token=7]");
  EXPECT_EQ(Fetch(plain + "/echo-cookie"), "cookie=[]");
}

template <typename Exception>
void ExpectFailure(TNetHTTP& http, const std::string& url, const std::string& message) {
  SCOPED_TRACE(url);
  TNetStringStream body;
  try {
    http.FetchUrl(url, body);
    ADD_FAILURE() << "no failure";
  } catch (const Exception& error) {
    EXPECT_EQ(error.what(), message);
  } catch (const std::exception& error) {
    ADD_FAILURE() << typeid(error).name() << ": " << error.what();
  }
  EXPECT_FALSE(http.IsConnected());
}

TEST_F(HttpsTest, ACertificateThatFailsSaysWhy) {
  const TestCertificateAuthority stranger("Stranger CA");
  Serve(stranger, {"localhost"});
  ExpectFailure<ENetSSLUntrustedCertificate>(
      *http_, nginx_->SecureUrl("/hello.txt"),
      "The certificate of localhost is not trusted: unable to get local issuer certificate.");

  Serve(authority_, {"localhost"});
  ExpectFailure<ENetSSLWrongHost>(*http_, nginx_->SecureUrl("/hello.txt", "127.0.0.1"),
                                  "The certificate of 127.0.0.1 is made out for another host.");
  // A plain http server does not answer a handshake.
  ExpectFailure<ENetSSLHandshakeFailed>(
      *http_, "https://localhost:" + std::to_string(nginx_->Port()) + "/hello.txt",
      "TLS handshake with localhost failed: wrong version number.");

  Serve(authority_, {"localhost"}, -1);
  ExpectFailure<ENetSSLCertificateExpired>(*http_, nginx_->SecureUrl("/hello.txt"),
                                           "The certificate of localhost has expired.");
}

}  // namespace
