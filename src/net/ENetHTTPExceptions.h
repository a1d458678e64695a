#pragma once
#include <cstdint>
#include <string>

#include "net/ENetExceptions.h"

// Failures of the HTTP exchange.

// An answer the server gave instead of the one asked for.
class ENetProtocolReplyError : public ENetException {
 public:
  ENetProtocolReplyError(int error_code, const std::string& message)
      : ENetException(message), error_code_(error_code) {}
  int ErrorCode() const { return error_code_; }

 private:
  int error_code_;
};

// A final status other than 2xx: the message is the status line exactly as
// the server sent it, ErrorBody the page that came with it.
class ENetHTTPProtocolException : public ENetProtocolReplyError {
 public:
  ENetHTTPProtocolException(int status_code, const std::string& status_line,
                            std::string error_body)
      : ENetProtocolReplyError(status_code, status_line),
        error_body_(std::move(error_body)) {}
  int StatusCode() const { return ErrorCode(); }
  const std::string& ErrorBody() const { return error_body_; }

 private:
  std::string error_body_;
};

// An https target without an I/O handler that speaks TLS.
class ENetIOHandlerPropInvalid : public ENetException {
 public:
  ENetIOHandlerPropInvalid() : ENetException("IOHandler value is not valid") {}
};

// A target whose protocol has no known port.
class ENetUnknownProtocol : public ENetException {
 public:
  ENetUnknownProtocol() : ENetException("") {}
};

// A server that sends an endless answer head must not make the client keep
// every line of it.
class ENetAnswerHeadTooLarge : public ENetException {
 public:
  ENetAnswerHeadTooLarge() : ENetException("Answer head too large.") {}
};

// A chunk size that does not fit a signed 32-bit count: read as it stood it
// would wrap into a negative or huge read.
class ENetInvalidChunkSize : public ENetException {
 public:
  ENetInvalidChunkSize() : ENetException("Invalid chunk size.") {}
};

// A server that answers "100 Continue" without end must not keep the client
// reading, or storing the cookies each of those answers may carry.
class ENetTooManyInterimAnswers : public ENetException {
 public:
  ENetTooManyInterimAnswers() : ENetException("Too many interim answers.") {}
};

// A body larger than its reader takes (TNetLimitedStream): the download
// ends before the rest of it is read.
class ENetBodyTooLarge : public ENetException {
 public:
  explicit ENetBodyTooLarge(std::int64_t limit)
      : ENetException("The server sent more than the " + std::to_string(limit) + " bytes expected.") {}
};
