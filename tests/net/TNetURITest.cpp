#include "net/TNetURI.h"

#include <gtest/gtest.h>

#include "net/ENetExceptions.h"

namespace {

TEST(TNetURI, SplitsTheLiveUpdateAddress) {
  TNetURI uri("http://www.example.com/liveupdate/project_tarvik/mainappupdate.inf");
  EXPECT_EQ(uri.Protocol, "http");
  EXPECT_EQ(uri.Host, "www.example.com");
  EXPECT_EQ(uri.Port, "");
  EXPECT_EQ(uri.Path, "/liveupdate/project_tarvik/");
  EXPECT_EQ(uri.Document, "mainappupdate.inf");
  EXPECT_EQ(uri.Params, "");
  EXPECT_EQ(uri.Bookmark, "");
}

TEST(TNetURI, KeepsPortTextAndQueryWithItsQuestionMark) {
  TNetURI uri("HTTP://host:8080/dir/page.php?a=1");
  EXPECT_EQ(uri.Protocol, "HTTP");
  EXPECT_EQ(uri.Host, "host");
  EXPECT_EQ(uri.Port, "8080");
  EXPECT_EQ(uri.Path, "/dir/");
  EXPECT_EQ(uri.Document, "page.php");
  EXPECT_EQ(uri.Params, "?a=1");
}

TEST(TNetURI, PathEndsAtLastSlashBeforeTheQuery) {
  TNetURI uri("http://h/a/b/doc?x=/y/z");
  EXPECT_EQ(uri.Path, "/a/b/");
  EXPECT_EQ(uri.Document, "doc");
  EXPECT_EQ(uri.Params, "?x=/y/z");
}

TEST(TNetURI, EqualsSignStartsTheParamsWhenThereIsNoQuestionMark) {
  TNetURI uri("http://h/x/y=z");
  EXPECT_EQ(uri.Path, "/x/");
  EXPECT_EQ(uri.Document, "y");
  EXPECT_EQ(uri.Params, "=z");
}

TEST(TNetURI, ReadsCredentials) {
  TNetURI both("ftp://joe:se:cret@h:21/f");
  EXPECT_EQ(both.Username, "joe");
  EXPECT_EQ(both.Password, "se:cret");
  EXPECT_EQ(both.Host, "h");
  EXPECT_EQ(both.Port, "21");

  TNetURI user_only("http://joe@h/");
  EXPECT_EQ(user_only.Username, "joe");
  EXPECT_EQ(user_only.Password, "");

  TNetURI no_user("http://:pw@h/");
  EXPECT_EQ(no_user.Username, "");
  EXPECT_EQ(no_user.Password, "");
  EXPECT_EQ(no_user.Host, "h");
}

TEST(TNetURI, AuthorityWithoutSlashLeavesRootPath) {
  TNetURI uri("http://host");
  EXPECT_EQ(uri.Host, "host");
  EXPECT_EQ(uri.Path, "/");
  EXPECT_EQ(uri.Document, "");
}

TEST(TNetURI, FragmentLeavesDocumentOrElseParams) {
  TNetURI in_document("http://h/d/page.html#top");
  EXPECT_EQ(in_document.Document, "page.html");
  EXPECT_EQ(in_document.Bookmark, "top");

  TNetURI in_params("http://h/d/page?a=1#top");
  EXPECT_EQ(in_params.Document, "page");
  EXPECT_EQ(in_params.Params, "?a=1");
  EXPECT_EQ(in_params.Bookmark, "top");

  // A relative reference keeps a fragment in its document.
  TNetURI relative("sub/doc#top");
  EXPECT_EQ(relative.Document, "doc#top");
  EXPECT_EQ(relative.Bookmark, "");
  TNetURI relative_params("sub/doc?q#top");
  EXPECT_EQ(relative_params.Params, "?q");
  EXPECT_EQ(relative_params.Bookmark, "top");
}

TEST(TNetURI, RelativeReferenceHasNoLeadingSlashOrHost) {
  TNetURI uri("sub/doc.inf");
  EXPECT_EQ(uri.Protocol, "");
  EXPECT_EQ(uri.Host, "");
  EXPECT_EQ(uri.Path, "sub/");
  EXPECT_EQ(uri.Document, "doc.inf");

  TNetURI bare("doc.inf");
  EXPECT_EQ(bare.Path, "");
  EXPECT_EQ(bare.Document, "doc.inf");
}

TEST(TNetURI, AddressInsideAQueryKeepsTheReferenceRelative) {
  TNetURI uri("/go?to=http://other.example/x");
  EXPECT_EQ(uri.Protocol, "");
  EXPECT_EQ(uri.Host, "");
  EXPECT_EQ(uri.Path, "/");
  EXPECT_EQ(uri.Document, "go");
  EXPECT_EQ(uri.Params, "?to=http://other.example/x");

  TNetURI absolute("http://h/go?to=http://other.example/x");
  EXPECT_EQ(absolute.Host, "h");
  EXPECT_EQ(absolute.Params, "?to=http://other.example/x");
}

TEST(TNetURI, ReadsBackslashesAsSlashes) {
  TNetURI uri("http:\\\\h\\a\\b.txt");
  EXPECT_EQ(uri.Host, "h");
  EXPECT_EQ(uri.Path, "/a/");
  EXPECT_EQ(uri.Document, "b.txt");
}

TEST(TNetURI, SettingAgainClearsEveryField) {
  TNetURI uri("http://u:p@h:1/a/b?c#d");
  uri.SetURI("x");
  EXPECT_EQ(uri.Protocol, "");
  EXPECT_EQ(uri.Username, "");
  EXPECT_EQ(uri.Password, "");
  EXPECT_EQ(uri.Host, "");
  EXPECT_EQ(uri.Port, "");
  EXPECT_EQ(uri.Path, "");
  EXPECT_EQ(uri.Document, "x");
  EXPECT_EQ(uri.Params, "");
  EXPECT_EQ(uri.Bookmark, "");
}

TEST(TNetURI, BuildsTheFullURIWithAndWithoutExtras) {
  TNetURI uri("http://u:p@h:81/a/b.c?q=1#frag");
  EXPECT_EQ(uri.GetFullURI(true, true), "http://u:p@h:81/a/b.c?q=1#frag");
  EXPECT_EQ(uri.GetFullURI(false, false), "http://h:81/a/b.c?q=1");
  EXPECT_EQ(uri.GetURI(), "http://h:81/a/b.c?q=1");
  EXPECT_EQ(uri.URIText, "http://u:p@h:81/a/b.c?q=1#frag");

  TNetURI user_only("http://u@h/");
  EXPECT_EQ(user_only.GetFullURI(), "http://u@h/");
}

TEST(TNetURI, RefusesToBuildWithoutProtocolOrHost) {
  TNetURI relative("a/b");
  try {
    relative.GetFullURI();
    FAIL() << "no exception";
  } catch (const ENetURIException& e) {
    EXPECT_STREQ(e.what(), "Protocol field is empty");
  }
  TNetURI no_host("http:///a");
  try {
    no_host.GetFullURI();
    FAIL() << "no exception";
  } catch (const ENetURIException& e) {
    EXPECT_STREQ(e.what(), "Host field is empty");
  }
}

TEST(TNetURI, MergesPaths) {
  EXPECT_EQ(TNetURI::PathMerge("/a/b/", "sub/"), "/a/b/sub/");
  EXPECT_EQ(TNetURI::PathMerge("/a/b/", "../c/"), "/a/c/");
  EXPECT_EQ(TNetURI::PathMerge("/a/b/", "/abs/"), "/abs/");
  EXPECT_EQ(TNetURI::PathMerge("/a/b/", "./d/"), "/a/b/./d/");
  EXPECT_EQ(TNetURI::PathMerge("", "x"), "x");
  EXPECT_EQ(TNetURI::PathMerge("/a", "b"), "/a/b");
  EXPECT_EQ(TNetURI::PathMerge("/a//b/", "c//d"), "/a/b/c/d");
  EXPECT_EQ(TNetURI::PathMerge("/a/b/", "c/"), "/a/b/c/");
  EXPECT_EQ(TNetURI::PathMerge("/a/b/", ""), "/a/b/");
  EXPECT_EQ(TNetURI::PathMerge("/", "../../x"), "/x");
  EXPECT_EQ(TNetURI::PathMerge("/", ""), "/");
}

}  // namespace
