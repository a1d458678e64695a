#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The socket layer: thin calls over the platform's TCP/IPv4 sockets. Calls
// that can fail return -1 (or false) and leave the table code of the failure
// in LastError(), so that callers choose between raising and carrying on, as
// the connection's rules require.
//
// One instance serves the whole process: components reach it through a
// TNetStackUser, and it exists while at least one of them does. The count is
// kept under a lock because components may be created on any thread.
class TNetStack {
 public:
  // A timeout that waits without limit.
  static constexpr int kWaitForever = -2;

  // An IPv4 stream socket, or -1.
  int NewSocket();
  int Bind(int fd, const std::string& ip, int port);
  int Connect(int fd, const std::string& ip, int port);
  // Starts a connect that completes in the background: 0 when already
  // connected, 1 while in progress, -1 on failure.
  int StartConnect(int fd, const std::string& ip, int port);
  // The outcome of a background connect once the socket became writable:
  // 0 or the table code of its failure.
  int PendingConnectResult(int fd);
  // Never raises SIGPIPE: a closed peer shows as the shutdown error.
  std::ptrdiff_t Send(int fd, const char* data, std::size_t count);
  std::ptrdiff_t Receive(int fd, char* data, std::size_t count);
  // True when data (or the peer's close) can be read within `timeout_ms`;
  // a failing wait counts as not readable.
  bool WaitReadable(int fd, int timeout_ms);
  // True when a send would not block within `timeout_ms`.
  bool WaitWritable(int fd, int timeout_ms);
  void ShutdownSending(int fd);
  void Close(int fd);
  int SetNoDelay(int fd);
  int SetBlocking(int fd, bool blocking);
  bool LocalAddress(int fd, std::string& ip, int& port);

  // "localhost" in any case gives 127.0.0.1 and a dotted IPv4 literal is
  // used as it is; any other name needs a lookup, and gives none here.
  static std::optional<std::string> AddressWithoutLookup(const std::string& host);
  // The platform's lookup: the first IPv4 address of `host` as dotted text,
  // or none. Touches no instance, so it may run on any thread, even after
  // the last component is gone.
  static std::optional<std::string> LookUpHost(const std::string& host);
  static bool IsIPv4Literal(std::string_view text);

  // The table code of the calling thread's last failed call.
  int LastError() const;
};

// Keeps the shared socket layer alive for one network component.
class TNetStackUser {
 public:
  TNetStackUser();
  ~TNetStackUser();
  TNetStackUser(const TNetStackUser&) = delete;
  TNetStackUser& operator=(const TNetStackUser&) = delete;

  TNetStack& Stack() const;
};
