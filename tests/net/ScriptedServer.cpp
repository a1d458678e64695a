#include "net/ScriptedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>

#include <chrono>
#include <cstdint>
#include <stdexcept>

namespace {
constexpr int kScriptReadTimeout = 10000;
}  // namespace

bool ScriptedPeer::WaitReadable(int timeout_ms) {
  pollfd waits[2] = {{fd_, POLLIN, 0}, {stop_fd_, POLLIN, 0}};
  if (::poll(waits, 2, timeout_ms) <= 0) return false;
  return !(waits[1].revents & POLLIN);
}

std::string ScriptedPeer::ReadHead() {
  for (;;) {
    const std::size_t end = pending_.find("\r\n\r\n");
    if (end != std::string::npos) {
      std::string head = pending_.substr(0, end + 4);
      pending_.erase(0, end + 4);
      server_.Record(head);
      return head;
    }
    if (!WaitReadable(kScriptReadTimeout)) return {};
    char buffer[4096];
    const ssize_t received = ::recv(fd_, buffer, sizeof buffer, 0);
    if (received <= 0) return {};
    pending_.append(buffer, static_cast<std::size_t>(received));
  }
}

std::string ScriptedPeer::ReadUntilClosed(int timeout_ms) {
  std::string bytes = std::move(pending_);
  pending_.clear();
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  // The client's close ends this, even after the server was asked to stop:
  // tests close their clients before they stop the server.
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd wait{fd_, POLLIN, 0};
    if (::poll(&wait, 1, 50) <= 0) continue;
    char buffer[4096];
    const ssize_t received = ::recv(fd_, buffer, sizeof buffer, 0);
    if (received <= 0) break;
    bytes.append(buffer, static_cast<std::size_t>(received));
  }
  return bytes;
}

void ScriptedPeer::Send(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
}

void ScriptedPeer::Close() { ::shutdown(fd_, SHUT_RDWR); }

ScriptedServer::ScriptedServer(Script script)
    : script_(std::move(script)),
      listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)),
      stop_(::eventfd(0, EFD_CLOEXEC)) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(listener_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 ||
      ::listen(listener_.Get(), 16) < 0 ||
      ::getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&address), &length) < 0)
    throw std::runtime_error("scripted server cannot listen");
  port_ = ntohs(address.sin_port);
  thread_ = std::thread(&ScriptedServer::Serve, this);
}

ScriptedServer::~ScriptedServer() {
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(stop_.Get(), &one, sizeof one);
  thread_.join();
}

std::string ScriptedServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<std::string> ScriptedServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::string ScriptedServer::RequestLine(std::size_t index) const {
  std::lock_guard lock(mutex_);
  if (index >= requests_.size()) return "(none)";
  return requests_[index].substr(0, requests_[index].find("\r\n"));
}

void ScriptedServer::Record(std::string head) {
  std::lock_guard lock(mutex_);
  requests_.push_back(std::move(head));
}

void ScriptedServer::Serve() {
  for (;;) {
    pollfd waits[2] = {{listener_.Get(), POLLIN, 0}, {stop_.Get(), POLLIN, 0}};
    if (::poll(waits, 2, -1) < 0) return;
    // A client that connected before the stop still gets its script.
    if (!(waits[0].revents & POLLIN)) return;
    platform::UniqueFd connection(::accept4(listener_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
    if (!connection.Valid()) continue;
    ScriptedPeer peer(*this, connection.Get(), stop_.Get(), connections_++);
    script_(peer);
  }
}
