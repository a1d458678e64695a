#pragma once
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Sets or clears environment variables for one test and puts back what was
// there before, so that one test's browser or PATH never leaks into the next.
class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second)
        ::setenv(it->first.c_str(), it->second->c_str(), 1);
      else
        ::unsetenv(it->first.c_str());
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  void Set(const std::string& name, const std::string& value) {
    Save(name);
    ::setenv(name.c_str(), value.c_str(), 1);
  }
  void Unset(const std::string& name) {
    Save(name);
    ::unsetenv(name.c_str());
  }
  // `folder` in front of the PATH.
  void PrependPath(const std::string& folder) {
    const char* path = std::getenv("PATH");
    Set("PATH", folder + ":" + (path != nullptr ? path : "/usr/bin:/bin"));
  }

 private:
  void Save(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    saved_.emplace_back(name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
