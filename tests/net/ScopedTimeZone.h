#pragma once
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

// Switches the process to another time zone for one test and back after.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (old_)
      setenv("TZ", old_->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

  // The zone's offset from UTC now, worked out from the broken-down local
  // time rather than from tm_gmtoff, so that it checks the code under test.
  static long OffsetNowSeconds() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<long>(timegm(&local) - now);
  }

 private:
  std::optional<std::string> old_;
};
