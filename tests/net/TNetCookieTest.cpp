#include "net/TNetCookie.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include "net/InternetDate.h"
#include "platform/Conversion.h"

namespace {

using ::testing::ElementsAre;
using namespace std::chrono;

TEST(TNetCookieRFC2109, ReadsItemsAndAttributesInAnyCase) {
  TNetCookieRFC2109 cookie;
  cookie.SetCookie(
      " Name=Va=lue ;Path=\"/x/\"; EXPIRES=Wed, 21 Oct 2015 07:28:00 GMT;domain=.b.c; secure; "
      "Max-Age=abc; Version=1; Comment=Hi There; path=/ignored/");
  EXPECT_EQ(cookie.CookieName, "Name");
  EXPECT_EQ(cookie.Value, "Va=lue");
  EXPECT_EQ(cookie.Path, "/x/");
  EXPECT_EQ(cookie.Expires, "Wed, 21 Oct 2015 07:28:00 GMT");
  EXPECT_EQ(cookie.Domain, ".b.c");
  EXPECT_TRUE(cookie.Secure);
  EXPECT_EQ(cookie.MaxAge, -1);
  EXPECT_EQ(cookie.Version, "1");
  EXPECT_EQ(cookie.Comment, "Hi There");
  EXPECT_EQ(cookie.CookieKind, TNetNetscapeCookie::ckVersion1);
  EXPECT_EQ(cookie.ServerCookie(),
            "Name=Va=lue; path=/x/; expires=Wed, 21 Oct 2015 07:28:00 GMT; domain=.b.c; secure; "
            "comment=Hi There; version=1");
}

TEST(TNetCookieRFC2109, SecureOnlyAsABareItem) {
  TNetCookieRFC2109 cookie;
  cookie.SetCookie("a=1; secure=yes");
  EXPECT_FALSE(cookie.Secure);
  cookie.SetCookie("a=1");
  EXPECT_FALSE(cookie.Secure);
  EXPECT_EQ(cookie.Path, "");
  cookie.SetCookie("novalue");
  EXPECT_EQ(cookie.CookieName, "novalue");
  EXPECT_EQ(cookie.Value, "");
}

TEST(TNetCookieRFC2109, WithoutExpiresBecomesPlainAndMaxAgeSetsTheExpiry) {
  TNetCookieRFC2109 session;
  session.SetCookie("s=1; path=/");
  EXPECT_EQ(session.CookieKind, TNetNetscapeCookie::ckPlain);
  EXPECT_EQ(session.Expires, "");
  EXPECT_EQ(session.ServerCookie(), "s=1; path=/");

  TNetCookieRFC2109 aged;
  const auto before = floor<seconds>(LocalNow());
  aged.SetCookie("a=1; Max-Age=60");
  const auto after = floor<seconds>(LocalNow());
  EXPECT_EQ(aged.MaxAge, 60);
  EXPECT_EQ(aged.CookieKind, TNetNetscapeCookie::ckPlain);
  const auto expires = ReadInternetDate(aged.Expires);
  ASSERT_TRUE(expires.has_value()) << aged.Expires;
  EXPECT_GE(*expires, before + 60s);
  EXPECT_LE(*expires, after + 60s);

  TNetCookieRFC2109 forever;
  forever.SetCookie("f=1; max-age=9223372036854775807");
  EXPECT_TRUE(ReadInternetDate(forever.Expires).has_value()) << forever.Expires;
}

TEST(TNetCookieRFC2109, SameTextTwiceIsReadOnce) {
  TNetCookieRFC2109 cookie;
  cookie.SetCookie("a=1; path=/");
  cookie.Value = "changed";
  cookie.SetCookie("a=1; path=/");
  EXPECT_EQ(cookie.Value, "changed");
}

TEST(TNetCookieRFC2965, KeepsCommentUrlDiscardAndPorts) {
  TNetCookieRFC2965 cookie;
  cookie.SetCookie("a=1; Port=\"80, 8080\"; Discard; CommentURL=http://c/; Version=1");
  EXPECT_EQ(cookie.CookieKind, TNetNetscapeCookie::ckPlain);
  EXPECT_TRUE(cookie.Discard);
  EXPECT_EQ(cookie.CommentURL, "http://c/");
  EXPECT_THAT(cookie.PortList, ElementsAre(80, 8080));

  const auto ports_of = [](const char* text) {
    TNetCookieRFC2965 other;
    other.SetCookie(text);
    return other.PortList;
  };
  EXPECT_THAT(ports_of("a=1"), ElementsAre(80));
  EXPECT_THAT(ports_of("a=1; Port"), ElementsAre(80));
  EXPECT_THAT(ports_of("a=1; Port=\"\""), ElementsAre(80));
  EXPECT_THAT(ports_of("a=1; Port=8080"), ElementsAre());
  EXPECT_THROW(ports_of("a=1; Port=\"80,x\""), platform::ConversionError);
}

}  // namespace
