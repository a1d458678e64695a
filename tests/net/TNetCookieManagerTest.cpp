#include "net/TNetCookieManager.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

constexpr char kHost[] = "update.example.com";
constexpr char kTarget[] = "http://update.example.com/liveupdate/project_tarvik/mainappupdate.inf";

std::string HeaderFor(TNetCookieManager& manager, const char* url = kTarget, bool secure = false) {
  return manager.CookieHeaderFor(TNetURI(url), secure);
}

TEST(TNetCookieManager, SendsACookieBackToItsHost) {
  TNetCookieManager manager;
  manager.StoreCookie("a=1; path=/", kHost);
  EXPECT_EQ(HeaderFor(manager), "a=1");
  EXPECT_EQ(HeaderFor(manager, "http://other.example.org/liveupdate/"), "");
}

TEST(TNetCookieManager, PathDecidesAndLongerPathsComeFirst) {
  TNetCookieManager manager;
  manager.StoreCookie("nopath=1", kHost);
  manager.StoreCookie("other=1; path=/other/", kHost);
  manager.StoreCookie("root=1; path=/", kHost);
  manager.StoreCookie("live=1; path=/liveupdate/", kHost);
  manager.StoreCookie("empty=; path=/", kHost);
  EXPECT_EQ(manager.CookieCollection().CookieCount(), 5);
  EXPECT_EQ(HeaderFor(manager), "live=1; root=1");
  // The document is no part of the path a cookie must match.
  EXPECT_EQ(HeaderFor(manager, "http://update.example.com/liveupdate"), "root=1");
}

TEST(TNetCookieManager, EqualPathsComeNewestFirst) {
  TNetCookieManager manager;
  manager.StoreCookie("first=1; path=/", kHost);
  manager.StoreCookie("second=2; path=/", kHost);
  EXPECT_EQ(HeaderFor(manager), "second=2; first=1");
}

TEST(TNetCookieManager, SameNameInAnyCaseReplacesTheValueInPlace) {
  TNetCookieManager manager;
  manager.StoreCookie("a=1; path=/", kHost);
  manager.StoreCookie("b=1; path=/", kHost);
  manager.StoreCookie("A=2; path=/", kHost);
  EXPECT_EQ(manager.CookieCollection().CookieCount(), 2);
  EXPECT_EQ(HeaderFor(manager), "b=1; A=2");
}

TEST(TNetCookieManager, ExpiredCookiesGoAtTheNextRequest) {
  TNetCookieManager manager;
  manager.StoreCookie("zero=1; path=/; Max-Age=0", kHost);
  manager.StoreCookie("past=1; path=/; expires=Thu, 01 Jan 1970 00:00:00 GMT", kHost);
  manager.StoreCookie("unreadable=1; path=/; expires=someday", kHost);
  manager.StoreCookie("future=1; path=/; expires=Fri, 31 Dec 9999 23:59:59 GMT", kHost);
  EXPECT_EQ(manager.CookieCollection().CookieCount(), 4);
  EXPECT_EQ(HeaderFor(manager), "future=1");
  EXPECT_EQ(manager.CookieCollection().CookieCount(), 1);
}

TEST(TNetCookieManager, ReplacementKeepsTheNewExpiry) {
  TNetCookieManager manager;
  manager.StoreCookie("sid=abc; path=/", kHost);
  manager.StoreCookie("sid=deleted; path=/; expires=Thu, 01 Jan 1970 00:00:00 GMT", kHost);
  EXPECT_EQ(HeaderFor(manager), "");
}

TEST(TNetCookieManager, DomainMustBeTheHostOrTheDomainItSitsIn) {
  TNetCookieManager manager;
  manager.StoreCookie("parent=1; path=/; domain=b.c", "a.b.c");
  manager.StoreCookie("top=1; path=/; domain=.c", "a.b.c");
  manager.StoreCookie("upper=1; path=/; domain=A.B.C", "a.b.c");
  EXPECT_EQ(manager.CookieCollection().CookieCount(), 0);
  manager.StoreCookie("dot=1; path=/; domain=.b.c", "a.b.c");
  manager.StoreCookie("self=1; path=/; domain=a.b.c", "a.b.c");
  EXPECT_EQ(manager.CookieCollection().CookieCount(), 2);
  EXPECT_EQ(HeaderFor(manager, "http://a.b.c/"), "dot=1; self=1");
  EXPECT_EQ(HeaderFor(manager, "http://x.b.c/"), "dot=1");
}

TEST(TNetCookieManager, DomainOnlyCoversHostsThatEndInIt) {
  TNetCookieManager manager;
  manager.StoreCookie("a=1; path=/", "example.com");
  manager.StoreCookie("d=1; path=/; domain=.shop.example.net", "www.shop.example.net");
  EXPECT_EQ(HeaderFor(manager, "http://EXAMPLE.com/"), "a=1");
  EXPECT_EQ(HeaderFor(manager, "http://badexample.com/"), "");
  EXPECT_EQ(HeaderFor(manager, "http://example.com.attacker.net/"), "");
  EXPECT_EQ(HeaderFor(manager, "http://img.shop.example.net/"), "d=1");
  EXPECT_EQ(HeaderFor(manager, "http://shop.example.net.attacker.net/"), "");
}

TEST(TNetCookieManager, NoCookieReachesEverySiteUnderAPublicSuffix) {
  TNetCookieManager manager;
  manager.StoreCookie("tld=1; path=/; domain=.com", "evil.com");
  manager.StoreCookie("upper=1; path=/; domain=.COM", "evil.COM");
  manager.StoreCookie("two=1; path=/; domain=.co.uk", "evil.co.uk");
  manager.StoreCookie("private=1; path=/; domain=.github.io", "evil.github.io");
  manager.StoreCookie("unknown=1; path=/; domain=.lan", "evil.lan");
  EXPECT_EQ(manager.CookieCollection().CookieCount(), 0);
  EXPECT_EQ(HeaderFor(manager, "http://bank.com/"), "");

  manager.StoreCookie("site=1; path=/; domain=.example.co.uk", "shop.example.co.uk");
  EXPECT_EQ(HeaderFor(manager, "http://www.example.co.uk/"), "site=1") << "a registrable domain still covers its hosts";
  // A host that is a public suffix itself keeps its own cookies, for itself.
  manager.StoreCookie("own=1; path=/", "github.io");
  EXPECT_EQ(HeaderFor(manager, "http://github.io/"), "own=1");
  EXPECT_EQ(HeaderFor(manager, "http://user.github.io/"), "");
}

TEST(CookieDomainIsValid, FollowsTheHostKind) {
  EXPECT_TRUE(CookieDomainIsValid("10.0.0.1", "10.0.0.1"));
  EXPECT_FALSE(CookieDomainIsValid(".0.0.1", "10.0.0.1"));
  EXPECT_TRUE(CookieDomainIsValid("host", "host"));
  EXPECT_FALSE(CookieDomainIsValid(".anything", "host"));
  EXPECT_TRUE(CookieDomainIsValid("host", "host"));
  EXPECT_FALSE(CookieDomainIsValid("1.2.3.4", "evil.com"));
  EXPECT_TRUE(CookieDomainIsValid(".B.C", ".b.c"));
  EXPECT_FALSE(CookieDomainIsValid("1.2.3.4", "256.2.3.4"));
}

TEST(TNetCookieManager, SecureCookiesOnlyOverSecureConnections) {
  TNetCookieManager manager;
  manager.StoreCookie("s=1; path=/; secure", kHost);
  EXPECT_EQ(HeaderFor(manager), "");
  EXPECT_EQ(HeaderFor(manager, kTarget, true), "s=1");
}

TEST(TNetCookieManager, NewCookieHandlerMayRefuse) {
  TNetCookieManager manager;
  manager.OnNewCookie = [](const TNetCookieRFC2109& cookie) { return cookie.CookieName != "no"; };
  manager.StoreCookie("no=1; path=/", kHost);
  manager.StoreCookie("yes=1; path=/", kHost);
  EXPECT_EQ(HeaderFor(manager), "yes=1");
}

TEST(TNetCookieManager, Version2CookiesAreSentLikeTheOthers) {
  TNetCookieManager manager;
  manager.StoreCookie2("v2=1; Version=1; Path=/; Port=\"80\"", kHost);
  manager.StoreCookie("v2=2; path=/", kHost);
  EXPECT_EQ(HeaderFor(manager), "v2=2");
}

TEST(TNetCookieManager, AHostileServerCannotFillMemory) {
  TNetCookieManager manager;
  const int per_domain = TNetCookies::kMaxCookiesPerDomain;
  for (int i = 0; i < per_domain + 10; ++i)
    manager.StoreCookie("c" + std::to_string(i) + "=1; path=/", kHost);
  // The domain's oldest cookies made room for its newest.
  EXPECT_EQ(manager.CookieCollection().CookieCount(), per_domain);
  const std::string header = HeaderFor(manager);
  EXPECT_EQ(header.find("c9=1"), std::string::npos) << header;
  EXPECT_NE(header.find("c10=1"), std::string::npos) << header;
  EXPECT_NE(header.find("c59=1"), std::string::npos) << header;
  // A name it already holds still takes the new value when full.
  manager.StoreCookie("c10=2; path=/", kHost);
  EXPECT_NE(HeaderFor(manager).find("c10=2"), std::string::npos);

  const std::string huge(TNetCookies::kMaxCookieText, 'h');
  manager.StoreCookie("huge=" + huge, "other.example.com");
  EXPECT_EQ(HeaderFor(manager, "http://other.example.com/"), "");

  // Beyond the total, new cookies are dropped and the others stay.
  const int domains = TNetCookies::kMaxCookies / per_domain + 2;
  for (int d = 0; d < domains; ++d)
    for (int i = 0; i < per_domain; ++i)
      manager.StoreCookie("n" + std::to_string(i) + "=1; path=/", "h" + std::to_string(d) + ".example");
  EXPECT_EQ(manager.CookieCollection().CookieCount(), TNetCookies::kMaxCookies);
  EXPECT_NE(HeaderFor(manager).find("c59=1"), std::string::npos);
  EXPECT_EQ(HeaderFor(manager, "http://h60.example/"), "");
}

TEST(TNetCookieManager, ReadersAndWritersMayShareTheStore) {
  TNetCookieManager manager;
  std::thread writer([&manager] {
    for (int i = 0; i < 200; ++i)
      manager.StoreCookie("c" + std::to_string(i % 20) + "=" + std::to_string(i) + "; path=/", kHost);
  });
  for (int i = 0; i < 200; ++i) HeaderFor(manager);
  writer.join();
  EXPECT_EQ(manager.CookieCollection().CookieCount(), 20);
}

}  // namespace
