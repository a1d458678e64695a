// The HTTP client against a real server: nginx from the system's packages.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "net/ENetHTTPExceptions.h"
#include "net/LocalNginx.h"
#include "net/TNetFileStream.h"
#include "net/TNetHTTP.h"
#include "net/TNetIOHandlerSocket.h"
#include "net/TNetStringStream.h"
#include "support/TemporaryFolder.h"

namespace {

class NginxTest : public testing::Test {
 protected:
  NginxTest() {
    site_.Write("hello.txt", "hello\n");
    site_.Write("mainappupdate.inf", "[APPLICATION]\r\nVersion=1.03\r\n");
    std::filesystem::create_directory(site_.File("cookie"));
    site_.Write("cookie/page.txt", "with cookie\n");
    nginx_ = std::make_unique<LocalNginx>(site_.Path());
  }

  std::string Fetch(const std::string& path) {
    TNetStringStream body;
    http_->FetchUrl(nginx_->Url(path), body);
    return body.Text();
  }

  int LocalPort() const {
    const auto* handler = dynamic_cast<const TNetIOHandlerSocket*>(http_->IOHandler());
    return handler && handler->Binding() ? handler->Binding()->Port : 0;
  }

  TemporaryFolder site_;
  std::unique_ptr<LocalNginx> nginx_;
  std::unique_ptr<TNetHTTP> http_ = CreateNetHTTP1();
};

TEST_F(NginxTest, StaticFilesOverOneKeptAliveConnection) {
  EXPECT_EQ(Fetch("/mainappupdate.inf"), "[APPLICATION]\r\nVersion=1.03\r\n");
  EXPECT_EQ(http_->StatusLine(), "HTTP/1.1 200 OK");
  EXPECT_EQ(http_->Response().ContentType, "text/plain");
  ASSERT_TRUE(http_->IsConnected());
  const int port = LocalPort();
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Fetch("/hello.txt"), "hello\n");
    EXPECT_EQ(LocalPort(), port) << "a new connection for request " << i;
  }
  http_->CloseConnection();
  EXPECT_FALSE(http_->IsConnected());
}

TEST_F(NginxTest, APermanentRedirectIsFollowed) {
  EXPECT_EQ(Fetch("/moved"), "hello\n");
  EXPECT_EQ(http_->StatusCode(), 200);
  EXPECT_EQ(http_->CurrentUri().Document, "hello.txt");
}

TEST_F(NginxTest, AMissingDocumentRaisesWithNginxsPage) {
  try {
    Fetch("/no-such-file.inf");
    FAIL() << "a missing file was fetched";
  } catch (const ENetHTTPProtocolException& error) {
    EXPECT_EQ(error.StatusCode(), 404);
    EXPECT_STREQ(error.what(), "HTTP/1.1 404 Not Found");
    EXPECT_NE(error.ErrorBody().find("404 Not Found"), std::string::npos);
  }
  // The error page was read whole, so the connection goes on.
  EXPECT_EQ(Fetch("/hello.txt"), "hello\n");
}

TEST_F(NginxTest, ACookieSetByTheServerComesBack) {
  EXPECT_EQ(Fetch("/echo-cookie"), "cookie=[]");
  EXPECT_EQ(Fetch("/cookie/page.txt"), "with cookie\n");
  EXPECT_EQ(Fetch("/echo-cookie"), "cookie=[session=42]");
}

TEST_F(NginxTest, A64MebibyteFileArrivesWhole) {
  std::string content(64 << 20, '\0');
  for (std::size_t i = 0; i < content.size(); ++i)
    content[i] = static_cast<char>((i * 131 + i / 4093) & 0xFF);
  site_.Write("big.bin", content);
  const TemporaryFolder output_folder;
  const std::string output_path = output_folder.File("big.bin");
  TNetFileStream output = TNetFileStream::Create(output_path);
  http_->FetchUrl(nginx_->Url("/big.bin"), output);
  output.Close();
  const std::string received = platform::ReadWholeFile(output_path);
  ASSERT_EQ(received.size(), content.size());
  EXPECT_TRUE(received == content);
}

}  // namespace
