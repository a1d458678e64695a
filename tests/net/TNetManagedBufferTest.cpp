#include "net/TNetManagedBuffer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "net/ENetTransportExceptions.h"
#include "net/TNetErrorCodes.h"

namespace {

TEST(TNetManagedBuffer, ConsumesFromTheFrontAcrossCompactions) {
  TNetManagedBuffer buffer;
  std::string expected;
  for (int round = 0; round < 40; ++round) {
    const std::string piece(5000, static_cast<char>('a' + round % 26));
    buffer.Append(piece.data(), piece.size());
    expected += piece;
    EXPECT_EQ(buffer.Extract(3000), expected.substr(0, 3000));
    expected.erase(0, 3000);
    ASSERT_EQ(buffer.View(), expected);
  }
  buffer.Remove(buffer.Size());
  EXPECT_TRUE(buffer.Empty());
}

TEST(TNetManagedBuffer, AskingForMoreThanItHoldsRaises) {
  TNetManagedBuffer buffer;
  buffer.Append("abc", 3);
  try {
    buffer.Remove(4);
    FAIL() << "removed more than held";
  } catch (const ENetNotEnoughDataInBuffer& error) {
    EXPECT_STREQ(error.what(), "Not enough data in buffer.");
  }
  EXPECT_EQ(buffer.View(), "abc");
}

TEST(TNetErrorCodes, PlatformErrorsReadAsTheTableSays) {
  EXPECT_EQ(NetErrorCodeFromErrno(ECONNREFUSED), 10061);
  EXPECT_EQ(NetErrorCodeFromErrno(ECONNRESET), 10054);
  EXPECT_EQ(NetErrorCodeFromErrno(EPIPE), 10058);
  EXPECT_EQ(NetErrorCodeFromErrno(ETIMEDOUT), 10060);
  EXPECT_EQ(NetSocketErrorMessage(10061), "Socket Error # 10061\r\nConnection refused.");
  EXPECT_EQ(NetSocketErrorMessage(10035), "Socket Error # 10035\r\nOperation would block. ");
  EXPECT_EQ(NetSocketErrorMessage(10066), "Socket Error # 10066\r\nDirectory not empty");
  EXPECT_EQ(NetSocketErrorMessage(99999), "Socket Error # 99999\r\n");
  // A platform error the table has no code for keeps its number and gets no
  // text, rather than one in the system's own wording.
  EXPECT_EQ(NetErrorCodeFromErrno(EIO), EIO);
  EXPECT_EQ(NetSocketErrorMessage(NetErrorCodeFromErrno(EIO)),
            "Socket Error # " + std::to_string(EIO) + "\r\n");
  EXPECT_EQ(NetErrorCodeFromErrno(ENOMEM), 10055);
}

}  // namespace
