// The socket layer over POSIX sockets.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <memory>
#include <mutex>

#include "net/TNetErrorCodes.h"
#include "net/TNetStack.h"
#include "platform/Text.h"

namespace {

thread_local int last_error = 0;

int Fail(int error_number) {
  last_error = NetErrorCodeFromErrno(error_number);
  return -1;
}

// Four dot-separated decimal numbers 0 to 255, read into host byte order.
bool ParseIPv4(std::string_view text, uint32_t& value) {
  value = 0;
  int parts = 0;
  while (true) {
    const std::size_t dot = text.find('.');
    const std::string_view part = text.substr(0, dot);
    int number = 0;
    const auto [end, error] =
        std::from_chars(part.data(), part.data() + part.size(), number);
    if (part.empty() || error != std::errc() ||
        end != part.data() + part.size() || number < 0 || number > 255 ||
        ++parts > 4)
      return false;
    value = (value << 8) | static_cast<uint32_t>(number);
    if (dot == std::string_view::npos) break;
    text.remove_prefix(dot + 1);
  }
  return parts == 4;
}

// An empty ip means any local address.
bool MakeAddress(const std::string& ip, int port, sockaddr_in& address) {
  address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  uint32_t value = INADDR_ANY;
  if (!ip.empty() && !ParseIPv4(ip, value)) return false;
  address.sin_addr.s_addr = htonl(value);
  return true;
}

bool ReadAddress(const sockaddr_in& address, std::string& ip, int& port) {
  char text[INET_ADDRSTRLEN] = {};
  if (!inet_ntop(AF_INET, &address.sin_addr, text, sizeof text)) return false;
  ip = text;
  port = ntohs(address.sin_port);
  return true;
}

std::mutex& StackMutex() {
  static std::mutex mutex;
  return mutex;
}

struct SharedStack {
  int users = 0;
  std::unique_ptr<TNetStack> instance;
};

SharedStack& Shared() {
  static SharedStack shared;
  return shared;
}

}  // namespace

TNetStackUser::TNetStackUser() {
  std::lock_guard lock(StackMutex());
  SharedStack& shared = Shared();
  if (shared.users++ == 0) shared.instance = std::make_unique<TNetStack>();
}

TNetStackUser::~TNetStackUser() {
  std::lock_guard lock(StackMutex());
  SharedStack& shared = Shared();
  if (--shared.users == 0) shared.instance.reset();
}

TNetStack& TNetStackUser::Stack() const {
  std::lock_guard lock(StackMutex());
  return *Shared().instance;
}

int TNetStack::NewSocket() {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  return fd < 0 ? Fail(errno) : fd;
}

int TNetStack::Bind(int fd, const std::string& ip, int port) {
  sockaddr_in address;
  if (!MakeAddress(ip, port, address)) return Fail(EINVAL);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0)
    return Fail(errno);
  return 0;
}

int TNetStack::Connect(int fd, const std::string& ip, int port) {
  sockaddr_in address;
  if (ip.empty() || !MakeAddress(ip, port, address)) return Fail(EINVAL);
  while (::connect(fd, reinterpret_cast<const sockaddr*>(&address),
                   sizeof address) < 0) {
    if (errno != EINTR) return Fail(errno);
    // An interrupted connect goes on in the background; wait for its end.
    pollfd entry{fd, POLLOUT, 0};
    while (::poll(&entry, 1, -1) < 0 && errno == EINTR) {
    }
    const int result = PendingConnectResult(fd);
    if (result != 0) {
      last_error = result;
      return -1;
    }
    return 0;
  }
  return 0;
}

int TNetStack::StartConnect(int fd, const std::string& ip, int port) {
  sockaddr_in address;
  if (ip.empty() || !MakeAddress(ip, port, address)) return Fail(EINVAL);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address),
                sizeof address) == 0)
    return 0;
  if (errno == EINPROGRESS || errno == EINTR) return 1;
  return Fail(errno);
}

int TNetStack::PendingConnectResult(int fd) {
  int error = 0;
  socklen_t length = sizeof error;
  if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) < 0)
    error = errno;
  return error == 0 ? 0 : NetErrorCodeFromErrno(error);
}

std::ptrdiff_t TNetStack::Send(int fd, const char* data, std::size_t count) {
  for (;;) {
    const ssize_t sent = ::send(fd, data, count, MSG_NOSIGNAL);
    if (sent >= 0) return sent;
    if (errno != EINTR) return Fail(errno);
  }
}

std::ptrdiff_t TNetStack::Receive(int fd, char* data, std::size_t count) {
  for (;;) {
    const ssize_t received = ::recv(fd, data, count, 0);
    if (received >= 0) return received;
    if (errno != EINTR) return Fail(errno);
  }
}

namespace {

// poll, not select: select cannot watch descriptors above FD_SETSIZE.
bool WaitFor(int fd, short events, int timeout_ms) {
  pollfd entry{fd, events, 0};
  const int result =
      ::poll(&entry, 1, timeout_ms == TNetStack::kWaitForever ? -1 : timeout_ms);
  if (result < 0) {
    Fail(errno);
    return false;
  }
  return result == 1;
}

}  // namespace

bool TNetStack::WaitReadable(int fd, int timeout_ms) { return WaitFor(fd, POLLIN, timeout_ms); }

bool TNetStack::WaitWritable(int fd, int timeout_ms) { return WaitFor(fd, POLLOUT, timeout_ms); }

void TNetStack::ShutdownSending(int fd) { ::shutdown(fd, SHUT_WR); }

void TNetStack::Close(int fd) { ::close(fd); }

int TNetStack::SetNoDelay(int fd) {
  const int on = 1;
  if (::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on) < 0)
    return Fail(errno);
  return 0;
}

int TNetStack::SetBlocking(int fd, bool blocking) {
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0) return Fail(errno);
  const int wanted = blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK;
  if (::fcntl(fd, F_SETFL, wanted) < 0) return Fail(errno);
  return 0;
}

bool TNetStack::LocalAddress(int fd, std::string& ip, int& port) {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  if (::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) < 0) {
    Fail(errno);
    return false;
  }
  return ReadAddress(address, ip, port);
}

bool TNetStack::IsIPv4Literal(std::string_view text) {
  uint32_t value = 0;
  return ParseIPv4(text, value);
}

std::optional<std::string> TNetStack::AddressWithoutLookup(const std::string& host) {
  if (platform::SameTextIgnoringCase(host, "localhost")) return "127.0.0.1";
  if (IsIPv4Literal(host)) return host;
  return std::nullopt;
}

std::optional<std::string> TNetStack::LookUpHost(const std::string& host) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found)
    return std::nullopt;
  const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> owned(
      found, &::freeaddrinfo);
  std::string ip;
  int port = 0;
  if (!ReadAddress(*reinterpret_cast<const sockaddr_in*>(found->ai_addr), ip, port))
    return std::nullopt;
  return ip;
}

int TNetStack::LastError() const { return last_error; }
