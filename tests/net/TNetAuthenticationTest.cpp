#include "net/TNetAuthentication.h"

#include <gtest/gtest.h>

#include "net/Base64.h"

namespace {

TEST(Base64Encode, PadsTheLastGroup) {
  EXPECT_EQ(Base64Encode(""), "");
  EXPECT_EQ(Base64Encode("f"), "Zg==");
  EXPECT_EQ(Base64Encode("fo"), "Zm8=");
  EXPECT_EQ(Base64Encode("foo"), "Zm9v");
  EXPECT_EQ(Base64Encode("foobar"), "Zm9vYmFy");
  EXPECT_EQ(Base64Encode(std::string("\xff\xfe\x00", 3)), "//4A");
}

TEST(TNetBasicAuthentication, HeaderValueAndNextStep) {
  TNetBasicAuthentication basic;
  EXPECT_EQ(basic.Authentication(), "Basic Og==");
  basic.SetChallenges({"Digest nonce=1", "basic realm=\"Secret Area\", charset=\"UTF-8\""});
  EXPECT_EQ(basic.Next(), TNetAuthentication::TNextStep::AskTheProgram);
  EXPECT_EQ(basic.Realm, "Secret Area");
  EXPECT_EQ(basic.Params.Count(), 2);

  basic.Username = "Aladdin";
  basic.Password = "open sesame";
  EXPECT_EQ(basic.Next(), TNetAuthentication::TNextStep::DoRequest);
  EXPECT_EQ(basic.Authentication(), "Basic QWxhZGRpbjpvcGVuIHNlc2FtZQ==");
}

TEST(TNetBasicAuthentication, ShortRealmIsEmpty) {
  TNetBasicAuthentication basic;
  basic.SetChallenges({"Basic realm=x"});
  basic.Next();
  EXPECT_EQ(basic.Realm, "");
}

TEST(CreateAuthentication, KnowsOnlyBasic) {
  EXPECT_NE(CreateAuthentication("BASIC"), nullptr);
  EXPECT_EQ(CreateAuthentication("Digest"), nullptr);
  EXPECT_EQ(CreateAuthentication(""), nullptr);
}

}  // namespace
