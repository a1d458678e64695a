#pragma once
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/UniqueFd.h"

class ScriptedServer;

// One accepted connection of a ScriptedServer, seen from the server's side.
class ScriptedPeer {
 public:
  ScriptedPeer(ScriptedServer& server, int fd, int stop_fd, int index)
      : server_(server), fd_(fd), stop_fd_(stop_fd), index_(index) {}

  // The request head up to and including its empty line, also recorded in
  // the server's Requests(); empty when the client closed first.
  std::string ReadHead();
  // Whatever arrives until the client closes or `timeout_ms` passes.
  std::string ReadUntilClosed(int timeout_ms);
  void Send(std::string_view bytes);
  // Ends the connection from the server's side.
  void Close();
  // The number of this connection, from 0.
  int Index() const { return index_; }

 private:
  // False once the server is stopping or nothing came within `timeout_ms`.
  bool WaitReadable(int timeout_ms);

  ScriptedServer& server_;
  int fd_;
  int stop_fd_;
  int index_;
  std::string pending_;
};

// A loopback server that runs a script for each connection on its own
// thread, for exact wire cases a real server cannot be made to produce. The
// connection is closed when the script returns.
class ScriptedServer {
 public:
  using Script = std::function<void(ScriptedPeer& peer)>;

  explicit ScriptedServer(Script script);
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  int Port() const { return port_; }
  std::string Url(std::string_view path) const;
  // Every request head received so far, in order.
  std::vector<std::string> Requests() const;
  int Connections() const { return connections_; }
  // The request line of the `index`th request, or "(none)".
  std::string RequestLine(std::size_t index) const;

 private:
  friend class ScriptedPeer;
  void Record(std::string head);

  void Serve();

  Script script_;
  platform::UniqueFd listener_;
  platform::UniqueFd stop_;
  int port_ = 0;
  std::atomic<int> connections_ = 0;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};
