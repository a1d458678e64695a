#include "net/TNetHTTPProtocol.h"

#include <gtest/gtest.h>

#include "net/ENetHTTPExceptions.h"

namespace {

TEST(TNetHTTPProtocol, StatusCodeIsTheSecondWordWhenItIsANumber) {
  EXPECT_EQ(StatusCodeFromLine("HTTP/1.1 404 Not Found"), 404);
  EXPECT_EQ(StatusCodeFromLine("HTTP/1.0   200   OK"), 200);
  EXPECT_EQ(StatusCodeFromLine("HTTP/1.1 200"), 200);
  EXPECT_EQ(StatusCodeFromLine("HTTP/1.1 OK 200"), -1);
  EXPECT_EQ(StatusCodeFromLine("HTTP/1.1"), -1);
  EXPECT_EQ(StatusCodeFromLine(""), -1);
  EXPECT_EQ(StatusCodeFromLine("HTTP/1.1 99999999999 Huge"), -1);
}

TEST(TNetHTTPProtocol, ChunkSizesAreHexadecimalUpToTheFirstBlank) {
  EXPECT_EQ(ChunkSizeFromLine("1a"), 26);
  EXPECT_EQ(ChunkSizeFromLine("1A"), 26);
  EXPECT_EQ(ChunkSizeFromLine("10 with words"), 16);
  EXPECT_EQ(ChunkSizeFromLine("0"), 0);
  // An extension after ";" is not removed, so the size line reads as 0.
  EXPECT_EQ(ChunkSizeFromLine("1a;x=1"), 0);
  EXPECT_EQ(ChunkSizeFromLine(""), 0);
  EXPECT_EQ(ChunkSizeFromLine(" 1a"), 0);
  EXPECT_EQ(ChunkSizeFromLine("7fffffff"), 2147483647);
  EXPECT_EQ(ChunkSizeFromLine("00000000000000001a"), 26);
}

TEST(TNetHTTPProtocol, ChunkSizesBeyondASigned32BitCountAreRefused) {
  EXPECT_THROW(ChunkSizeFromLine("80000000"), ENetInvalidChunkSize);
  EXPECT_THROW(ChunkSizeFromLine("FFFFFFFFFFFFFFFFFFFF"), ENetInvalidChunkSize);
}

}  // namespace
