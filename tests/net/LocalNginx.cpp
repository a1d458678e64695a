#include "net/LocalNginx.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/UniqueFd.h"

extern char** environ;

namespace {

constexpr int kStartAttempts = 3;

std::string ReplaceAll(std::string text, std::string_view from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

std::string ReadTemplate(const char* path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A port that was free a moment ago; nginx may still lose it to another
// program, in which case the start is tried again.
int FreePort() {
  platform::UniqueFd probe(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(probe.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 ||
      ::getsockname(probe.Get(), reinterpret_cast<sockaddr*>(&address), &length) < 0)
    throw std::runtime_error("no free port for nginx");
  return ntohs(address.sin_port);
}

bool Accepts(int port) {
  platform::UniqueFd probe(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  return ::connect(probe.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

std::string NginxProgram() {
  return std::filesystem::exists("/usr/sbin/nginx") ? "/usr/sbin/nginx" : "nginx";
}

}  // namespace

LocalNginx::LocalNginx(const std::string& root, std::optional<LocalNginxTls> tls)
    : tls_(std::move(tls)) {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarvik-nginx-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("no folder for nginx");
  prefix_ = pattern;
  for (int attempt = 0; attempt < kStartAttempts; ++attempt)
    if (Start(root)) return;
  std::error_code ignored;
  std::filesystem::remove_all(prefix_, ignored);
  throw std::runtime_error("nginx did not start; is the nginx-light package installed?");
}

LocalNginx::~LocalNginx() {
  Stop();
  std::error_code ignored;
  std::filesystem::remove_all(prefix_, ignored);
}

std::string LocalNginx::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::string LocalNginx::SecureUrl(std::string_view path, std::string_view host) const {
  return "https://" + std::string(host) + ":" + std::to_string(tls_port_) + std::string(path);
}

std::string LocalNginx::TlsSettings() const {
  if (!tls_) return {};
  std::string settings = ReadTemplate(TARVIK_NGINX_TLS_CONF_TEMPLATE);
  settings = ReplaceAll(settings, "@TLS_PORT@", std::to_string(tls_port_));
  settings = ReplaceAll(settings, "@CERTIFICATE@", tls_->Certificate);
  return ReplaceAll(settings, "@KEY@", tls_->Key);
}

bool LocalNginx::Start(const std::string& root) {
  port_ = FreePort();
  tls_port_ = 0;
  while (tls_ && (tls_port_ == 0 || tls_port_ == port_)) tls_port_ = FreePort();
  std::string config = ReplaceAll(ReadTemplate(TARVIK_NGINX_CONF_TEMPLATE), "@TLS@", TlsSettings());
  config = ReplaceAll(config, "@PREFIX@", prefix_);
  config = ReplaceAll(config, "@ROOT@", root);
  config = ReplaceAll(config, "@PORT@", std::to_string(port_));
  const std::string config_path = prefix_ + "/nginx.conf";
  std::ofstream(config_path) << config;

  const std::string program = NginxProgram();
  const std::string error_log = prefix_ + "/startup.log";
  std::vector<std::string> words = {program, "-p", prefix_, "-c", config_path, "-e", error_log};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  if (::posix_spawnp(&pid_, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
    pid_ = -1;
    return false;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (Accepts(port_) && (!tls_ || Accepts(tls_port_))) return true;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  Stop();
  return false;
}

void LocalNginx::Stop() {
  if (pid_ < 0) return;
  ::kill(pid_, SIGQUIT);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  int status = 0;
  while (::waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  pid_ = -1;
}
