#pragma once
#include <sys/types.h>

#include <string>
#include <string_view>

// An nginx of the system's packages serving a folder on 127.0.0.1, started
// from the configuration in tests/net/nginx/ and stopped when this goes.
// Throws std::runtime_error when it cannot be started.
class LocalNginx {
 public:
  explicit LocalNginx(const std::string& root);
  ~LocalNginx();
  LocalNginx(const LocalNginx&) = delete;
  LocalNginx& operator=(const LocalNginx&) = delete;

  int Port() const { return port_; }
  std::string Url(std::string_view path) const;

 private:
  bool Start(const std::string& root);
  void Stop();

  std::string prefix_;
  int port_ = 0;
  pid_t pid_ = -1;
};
