#include "net/TNetTCPConnection.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "net/ENetTransportExceptions.h"
#include "net/ScriptedServer.h"
#include "net/TNetAntiFreeze.h"
#include "net/TNetErrorCodes.h"
#include "net/TNetIOHandlerSocket.h"
#include "net/TNetStringStream.h"
#include "net/TNetTCPClient.h"
#include "platform/UniqueFd.h"

namespace {

using std::chrono::steady_clock;

// A port nothing listens on: bound but never listening, so no one else can
// take it while the test runs.
class ClosedPort {
 public:
  ClosedPort() : socket_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(socket_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(socket_.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  int Port() const { return port_; }

 private:
  platform::UniqueFd socket_;
  int port_ = 0;
};

class Client : public TNetTCPClient {
 public:
  explicit Client(int port, const std::string& host = "127.0.0.1") {
    Host = host;
    Port = port;
  }
};

// Sends `bytes` on every connection, then waits until the client is done.
ScriptedServer::Script Sends(std::string bytes, bool then_close = false) {
  return [bytes, then_close](ScriptedPeer& peer) {
    peer.Send(bytes);
    if (!then_close) peer.ReadUntilClosed(5000);
  };
}

TEST(TNetTCPConnection, LineLengthCountsEveryByteBeforeTheLineFeed) {
  const std::string accepted(16383, 'a');
  const std::string too_long(16384, 'b');
  ScriptedServer server(Sends(accepted + "\r\n" + too_long + "\r\n"));
  Client client(server.Port());
  client.OpenConnection();
  EXPECT_EQ(client.ReadLine(), accepted);
  EXPECT_THROW(client.ReadLine(), ENetReadLnMaxLineLengthExceeded);
  // The over-long line stays buffered and the connection open.
  EXPECT_TRUE(client.IsConnected());
  client.MaxLineAction = maSplit;
  EXPECT_EQ(client.ReadLine(), too_long);
  EXPECT_TRUE(client.LineSplit());
  // What was left of the split line: the CR before the LF.
  EXPECT_EQ(client.ReadLine(), "");
  EXPECT_FALSE(client.LineSplit());
}

TEST(TNetTCPConnection, UnterminatedDataBeyondTheLimitRaisesAsSoonAsBuffered) {
  ScriptedServer server(Sends(std::string(16385, 'x')));
  Client client(server.Port());
  client.OpenConnection();
  EXPECT_THROW(client.ReadLine(), ENetReadLnMaxLineLengthExceeded);
}

TEST(TNetTCPConnection, LineEndingsAndPiecesJoinedAcrossReceives) {
  ScriptedServer server([](ScriptedPeer& peer) {
    peer.Send("one\r\ntwo\nthr");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    peer.Send("ee\rstill\r\n");
    peer.ReadUntilClosed(5000);
  });
  Client client(server.Port());
  client.OpenConnection();
  EXPECT_EQ(client.ReadLine(), "one");
  EXPECT_EQ(client.ReadLine(), "two");
  EXPECT_EQ(client.ReadLine(), "three\rstill");
}

TEST(TNetTCPConnection, OtherTerminatorsAndTheTimedOutFlag) {
  ScriptedServer server(Sends("a;b;rest-without-end", true));
  Client client(server.Port());
  client.OpenConnection();
  EXPECT_EQ(client.ReadLine(";"), "a");
  EXPECT_EQ(client.ReadLine(";"), "b");
  // The peer closed with an unterminated rest: an empty line, rest kept.
  EXPECT_EQ(client.ReadLine(";"), "");
  EXPECT_TRUE(client.LineTimedOut());
  EXPECT_EQ(client.InputBuffer().View(), "rest-without-end");
  EXPECT_THROW(client.ReadLine(";"), ENetConnClosedGracefully);
}

TEST(TNetTCPConnection, PeerClosingAfter40Of100Bytes) {
  const std::string forty(40, 'z');
  {
    ScriptedServer server(Sends(forty, true));
    Client client(server.Port());
    client.OpenConnection();
    char buffer[100];
    EXPECT_THROW(client.ReadExact(buffer, sizeof buffer), ENetConnClosedGracefully);
  }
  {
    ScriptedServer server(Sends(forty, true));
    Client client(server.Port());
    client.OpenConnection();
    TNetStringStream stream;
    client.ReadToStream(stream, -1, true);
    EXPECT_EQ(stream.Text(), forty);
    EXPECT_FALSE(client.IsConnected());
  }
  {
    // With a count, the bytes that did arrive are written before the close
    // is reported.
    ScriptedServer server(Sends(forty, true));
    Client client(server.Port());
    client.OpenConnection();
    TNetStringStream stream;
    EXPECT_THROW(client.ReadToStream(stream, 100, false), ENetConnClosedGracefully);
    EXPECT_EQ(stream.Text(), forty);
  }
}

TEST(TNetTCPConnection, ReadToStreamWritesAtThePositionAndCutsTheOldTail) {
  ScriptedServer server(Sends("NEW"));
  Client client(server.Port());
  client.OpenConnection();
  TNetStringStream stream;
  stream.Write("old-content", 11);
  stream.SetPosition(4);
  client.ReadToStream(stream, 3, false);
  EXPECT_EQ(stream.Text(), "old-NEW");
}

TEST(TNetTCPConnection, WritesArriveInOrderAndBatchesAsOneBlock) {
  std::string received;
  {
    ScriptedServer server([&received](ScriptedPeer& peer) { received = peer.ReadUntilClosed(5000); });
    Client client(server.Port());
    client.OpenConnection();
    client.WriteText("");
    client.WriteLine("GET / HTTP/1.1");
    client.BeginWriteBatch(-1);
    client.WriteLine("A: 1");
    client.WriteText("B");
    client.SendBytes(":", 1);
    client.WriteLine(" 2");
    client.EndWriteBatch();
    client.CloseConnection();
  }
  EXPECT_EQ(received, "GET / HTTP/1.1\r\nA: 1\r\nB: 2\r\n");
}

TEST(TNetTCPConnection, ClosingTwiceAndWritingWhenClosed) {
  ScriptedServer server(Sends(""));
  Client client(server.Port());
  client.OpenConnection();
  EXPECT_THROW(client.OpenConnection(), ENetAlreadyConnected);
  client.CloseConnection();
  client.CloseConnection();
  EXPECT_FALSE(client.IsConnected());
  EXPECT_THROW(client.WriteLine("x"), ENetNotConnected);
}

TEST(TNetTCPConnection, LocalhostInAnyCaseConnectsWithoutALookup) {
  ScriptedServer server(Sends("hi\n"));
  std::vector<std::string> statuses;
  Client client(server.Port(), "LocalHost");
  client.OnStatus = [&statuses](TNetStatus, const std::string& text) { statuses.push_back(text); };
  client.OpenConnection();
  EXPECT_EQ(client.ReadLine(), "hi");
  client.CloseConnection();
  const std::vector<std::string> expected = {
      "Resolving hostname LocalHost.", "Connecting to 127.0.0.1.", "Connected.",
      "Disconnecting.", "Disconnected."};
  EXPECT_EQ(statuses, expected);
}

TEST(TNetTCPConnection, RefusedConnectNamesTheSocketError) {
  const ClosedPort closed;
  Client client(closed.Port());
  try {
    client.OpenConnection();
    FAIL() << "connected to a closed port";
  } catch (const ENetSocketError& error) {
    EXPECT_EQ(error.Code(), 10061);
    EXPECT_STREQ(error.what(), "Socket Error # 10061\r\nConnection refused.");
  }
  // With a time limit the connect runs guarded and says the same.
  try {
    client.OpenConnection(5000);
    FAIL() << "connected to a closed port";
  } catch (const ENetConnectException& error) {
    EXPECT_STREQ(error.what(), "Socket Error # 10061\r\nConnection refused.");
  }
  EXPECT_FALSE(client.IsConnected());
}

TEST(TNetTCPConnection, UnknownHostIsReportedWithTheLookupError) {
  // A label longer than 63 bytes cannot be put into a query, so the
  // platform's lookup fails without asking any name server.
  Client client(80, std::string(64, 'x') + ".invalid");
  try {
    client.OpenConnection();
    FAIL() << "resolved an invalid name";
  } catch (const ENetSocketError& error) {
    EXPECT_EQ(error.Code(), 11001);
    EXPECT_STREQ(error.what(), "Socket Error # 11001\r\nHost not found.");
  }
}

TEST(TNetTCPConnection, ALengthFirstWhenNoCountIsGiven) {
  ScriptedServer server(Sends(std::string("\0\0\0\5hellorest", 13)));
  Client client(server.Port());
  client.OpenConnection();
  TNetStringStream stream;
  client.ReadToStream(stream, -1, false);
  EXPECT_EQ(stream.Text(), "hello");
  EXPECT_EQ(client.ReadExact(4), "rest");
}

TEST(TNetTCPConnection, SendingToAPeerThatHasResetGivesTheShutdownError) {
  std::promise<void> closed;
  ScriptedServer server([&closed](ScriptedPeer& peer) {
    // The close goes out first; the client's data then meets a closed
    // socket, whose answer is a reset.
    peer.Close();
    closed.set_value();
  });
  Client client(server.Port());
  client.OpenConnection();
  closed.get_future().wait();
  try {
    // The first sends still go out: the reset comes back in answer to them.
    for (int i = 0; i < 1000; ++i) {
      client.WriteText("ping");
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    FAIL() << "a reset peer took every send";
  } catch (const ENetSocketError& error) {
    EXPECT_EQ(error.Code(), 10058);
    EXPECT_STREQ(error.what(),
                 "Socket Error # 10058\r\nCannot send or receive after socket is closed.");
  }
  EXPECT_FALSE(client.IsConnected());
}

TEST(TNetTCPConnection, BindingToAnAddressInUse) {
  const ClosedPort taken;
  ScriptedServer server(Sends(""));
  Client client(server.Port());
  client.BoundIP = "127.0.0.1";
  client.BoundPort = taken.Port();
  try {
    client.OpenConnection();
    FAIL() << "bound to a port in use";
  } catch (const ENetCouldNotBindSocket& error) {
    EXPECT_STREQ(error.what(), "Could not bind socket. Address and port are already in use.");
  }
  client.BoundPort = 0;
  client.BoundPortMin = taken.Port();
  client.BoundPortMax = taken.Port();
  try {
    client.OpenConnection();
    FAIL() << "bound in a range whose only port is in use";
  } catch (const ENetCanNotBindPortInRange& error) {
    const std::string port = std::to_string(taken.Port());
    EXPECT_EQ(error.what(), "Can not bind in port range (" + port + " - " + port + ")");
  }
  EXPECT_FALSE(client.IsConnected());
}

TEST(TNetTCPConnection, LocalPortRanges) {
  ScriptedServer server(Sends(""));
  Client client(server.Port());
  client.BoundPortMin = 40000;
  client.BoundPortMax = 39000;
  try {
    client.OpenConnection();
    FAIL() << "accepted an inverted range";
  } catch (const ENetInvalidPortRange& error) {
    EXPECT_STREQ(error.what(), "Invalid Port Range (40000 - 39000)");
  }
  client.BoundPortMin = 41000;
  client.BoundPortMax = 41050;
  client.OpenConnection();
  EXPECT_TRUE(client.IsConnected());
}

// A hook that counts how often the window system got to run.
class CountingHook {
 public:
  explicit CountingHook(std::function<void()> extra = {}) {
    TNetAntiFreeze::SetProcessMessagesHook([this, extra](TNetPendingMessages) {
      ++calls;
      if (extra) extra();
    });
  }
  ~CountingHook() { TNetAntiFreeze::SetProcessMessagesHook({}); }
  int calls = 0;
};

TEST(TNetTCPConnection, ReadTimeoutKeepsTheWindowResponsive) {
  ScriptedServer server(Sends(""));
  TNetAntiFreeze anti_freeze;
  CountingHook hook;
  Client client(server.Port());
  client.ReadTimeout = 2000;
  client.OpenConnection();
  const auto started = steady_clock::now();
  EXPECT_THROW(client.ReadLine(), ENetReadTimeout);
  const auto waited = steady_clock::now() - started;
  EXPECT_GE(waited, std::chrono::milliseconds(1900));
  EXPECT_LT(waited, std::chrono::seconds(30));
  // 2000 ms in slices of 250 ms.
  EXPECT_GE(hook.calls, 8);
  EXPECT_TRUE(client.IsConnected());
}

TEST(TNetTCPConnection, AnExplicitTimeoutWaitsInRoundsUntilALineArrives) {
  ScriptedServer server([](ScriptedPeer& peer) {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    peer.Send("late\n");
    peer.ReadUntilClosed(5000);
  });
  Client client(server.Port());
  client.OpenConnection();
  EXPECT_EQ(client.ReadLine("\n", 50), "late");
}

TEST(TNetTCPConnection, ClosingTheProgramEndsAWaitingRead) {
  ScriptedServer server(Sends(""));
  TNetAntiFreeze anti_freeze;
  CountingHook hook([&anti_freeze] { anti_freeze.AbortPendingCalls(); });
  Client client(server.Port());
  client.OpenConnection();
  EXPECT_THROW(client.ReadLine(), ENetOperationAborted);
  EXPECT_FALSE(client.IsConnected());
  // No new connection keeps the closing program waiting either.
  EXPECT_THROW(client.OpenConnection(), ENetOperationAborted);
}

TEST(TNetTCPConnection, PollingForACloseNeverRaisesForOne) {
  ScriptedServer server(Sends("unread"));
  TNetAntiFreeze anti_freeze;
  anti_freeze.OnlyWhenIdle = false;
  Client client(server.Port());
  client.OpenConnection();
  ASSERT_TRUE(client.IOHandler()->Readable(5000));
  // A window handler closes the connection while the poll waits, with data
  // still to read.
  CountingHook hook([&client] { client.CloseConnection(); });
  EXPECT_NO_THROW(client.PollPeerClosed());
  EXPECT_GE(hook.calls, 1);
  EXPECT_FALSE(client.IsConnected());
}

TEST(TNetTCPConnection, AHandlerMayCloseTheConnectionInsideAWait) {
  ScriptedServer server(Sends(""));
  TNetAntiFreeze anti_freeze;
  Client client(server.Port());
  CountingHook hook([&client] { client.CloseConnection(); });
  client.OpenConnection();
  EXPECT_THROW(client.ReadLine(), ENetConnClosedGracefully);
  EXPECT_FALSE(client.IsConnected());
}

// A listener whose backlog is full: the kernel drops further connection
// attempts, so the next connect hangs.
class HangingListener {
 public:
  HangingListener() : listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(listener_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_.Get(), 0);
    ::getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    for (int i = 0; i < 4; ++i) {
      fillers_.push_back(std::make_unique<Client>(port_));
      try {
        fillers_.back()->OpenConnection(300);
      } catch (const ENetConnectTimeout&) {
        return;  // full
      }
    }
  }
  int Port() const { return port_; }

 private:
  platform::UniqueFd listener_;
  int port_ = 0;
  std::vector<std::unique_ptr<Client>> fillers_;
};

TEST(TNetTCPConnection, GuardedConnectGivesUpAtItsTimeLimit) {
  const HangingListener hanging;
  TNetAntiFreeze anti_freeze;
  CountingHook hook;
  Client client(hanging.Port());
  const auto started = steady_clock::now();
  EXPECT_THROW(client.OpenConnection(600), ENetConnectTimeout);
  EXPECT_LT(steady_clock::now() - started, std::chrono::seconds(30));
  EXPECT_GE(hook.calls, 2);
  EXPECT_FALSE(client.IsConnected());
}

TEST(TNetTCPConnection, ClosingTheProgramEndsAHangingConnect) {
  const HangingListener hanging;
  TNetAntiFreeze anti_freeze;
  CountingHook hook([&anti_freeze] { anti_freeze.AbortPendingCalls(); });
  Client client(hanging.Port());
  const auto started = steady_clock::now();
  // Without a limit of its own the connect would wait 120 s.
  EXPECT_THROW(client.OpenConnection(), ENetOperationAborted);
  EXPECT_LT(steady_clock::now() - started, std::chrono::seconds(30));
  EXPECT_FALSE(client.IsConnected());
}

}  // namespace

namespace {

// A name lookup that answers only when the test lets it, as a resolver that
// hangs would; the state is shared because the lookup may outlive the test.
struct HeldLookup {
  struct State {
    std::mutex mutex;
    std::condition_variable released_changed;
    bool released = false;
  };
  std::shared_ptr<State> state = std::make_shared<State>();

  TNetHostLookupFunction Function() const {
    return [state = state](const std::string&) -> std::optional<std::string> {
      std::unique_lock lock(state->mutex);
      state->released_changed.wait(lock, [&state] { return state->released; });
      return "127.0.0.1";
    };
  }
  void Release() const {
    std::lock_guard lock(state->mutex);
    state->released = true;
    state->released_changed.notify_all();
  }
};

// A client whose socket handler looks names up with `lookup`.
std::shared_ptr<TNetIOHandlerSocket> HandlerWithLookup(TNetHostLookupFunction lookup) {
  auto handler = std::make_shared<TNetIOHandlerSocket>();
  handler->HostLookup = std::move(lookup);
  return handler;
}

TEST(TNetTCPConnection, ANameIsLookedUpWhileTheWindowKeepsRunning) {
  ScriptedServer server(Sends("hi\n"));
  TNetAntiFreeze anti_freeze;
  CountingHook hook;
  // Not a literal of four numbers, so the platform's lookup reads it, on
  // the connect's own thread.
  Client client(server.Port(), "127.1");
  std::vector<std::string> statuses;
  client.OnStatus = [&statuses](TNetStatus, const std::string& text) { statuses.push_back(text); };
  client.OpenConnection();
  EXPECT_EQ(client.ReadLine(), "hi");
  ASSERT_GE(statuses.size(), 3u);
  EXPECT_EQ(statuses[0], "Resolving hostname 127.1.");
  EXPECT_EQ(statuses[1], "Connecting to 127.0.0.1.");
}

TEST(TNetTCPConnection, AHangingLookupEndsAtTheTimeLimit) {
  const HeldLookup held;
  TNetAntiFreeze anti_freeze;
  CountingHook hook;
  Client client(1, "127.1");
  client.SetIOHandler(HandlerWithLookup(held.Function()));
  const auto started = steady_clock::now();
  EXPECT_THROW(client.OpenConnection(600), ENetConnectTimeout);
  EXPECT_LT(steady_clock::now() - started, std::chrono::seconds(30));
  EXPECT_GE(hook.calls, 2);
  EXPECT_FALSE(client.IsConnected());
  held.Release();
}

TEST(TNetTCPConnection, ClosingTheProgramEndsAHangingLookup) {
  const HeldLookup held;
  ScriptedServer server(Sends(""));
  TNetAntiFreeze anti_freeze;
  CountingHook hook([&anti_freeze] { anti_freeze.AbortPendingCalls(); });
  Client client(server.Port(), "127.1");
  client.SetIOHandler(HandlerWithLookup(held.Function()));
  // Without a limit of its own the wait would last 120 s.
  EXPECT_THROW(client.OpenConnection(), ENetOperationAborted);
  EXPECT_EQ(hook.calls, 1);
  EXPECT_FALSE(client.IsConnected());
  // The lookup finishes on its own thread after the caller has gone.
  held.Release();
}

}  // namespace
