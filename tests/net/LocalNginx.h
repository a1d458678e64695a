#pragma once
#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

// The certificate and key of a site served over TLS too, as PEM files.
struct LocalNginxTls {
  std::string Certificate;
  std::string Key;
};

// An nginx of the system's packages serving a folder on 127.0.0.1, started
// from the configuration in tests/net/nginx/ and stopped when this goes;
// with `tls`, also over https on a second port. Throws std::runtime_error
// when it cannot be started.
class LocalNginx {
 public:
  explicit LocalNginx(const std::string& root, std::optional<LocalNginxTls> tls = std::nullopt);
  ~LocalNginx();
  LocalNginx(const LocalNginx&) = delete;
  LocalNginx& operator=(const LocalNginx&) = delete;

  int Port() const { return port_; }
  std::string Url(std::string_view path) const;
  // The https address of `path` with `host` as the name to connect to.
  std::string SecureUrl(std::string_view path, std::string_view host = "localhost") const;

 private:
  bool Start(const std::string& root);
  std::string TlsSettings() const;
  void Stop();

  std::string prefix_;
  std::optional<LocalNginxTls> tls_;
  int port_ = 0;
  int tls_port_ = 0;
  pid_t pid_ = -1;
};
