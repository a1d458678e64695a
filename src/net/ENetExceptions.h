#pragma once
#include <stdexcept>
#include <string>

// Every failure of the HTTP client is an ENetException carrying the text the
// user sees; callers that only care whether a download worked catch this one.
class ENetException : public std::runtime_error {
 public:
  explicit ENetException(const std::string& message)
      : std::runtime_error(message) {}
};

// A URI that cannot be built because a required part is missing.
class ENetURIException : public ENetException {
 public:
  using ENetException::ENetException;
};

// The platform could not say how far local time is from UTC, so no Internet
// date can be written or read.
class ENetFailedToRetreiveTimeZoneInfo : public ENetException {
 public:
  ENetFailedToRetreiveTimeZoneInfo()
      : ENetException("Failed attempting to retrieve time zone information.") {}
};
