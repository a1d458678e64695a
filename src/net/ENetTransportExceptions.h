#pragma once
#include <string>

#include "net/ENetExceptions.h"

// Failures of the socket layer and the buffered TCP connection. Each class
// carries the fixed text the user sees; callers tell them apart by type.

class ENetNotEnoughDataInBuffer : public ENetException {
 public:
  ENetNotEnoughDataInBuffer() : ENetException("Not enough data in buffer.") {}
};

class ENetAlreadyConnected : public ENetException {
 public:
  ENetAlreadyConnected() : ENetException("Already connected.") {}
};

class ENetInvalidSocket : public ENetException {
 public:
  ENetInvalidSocket() : ENetException("Cannot allocate socket.") {}
};

class ENetInvalidPortRange : public ENetException {
 public:
  ENetInvalidPortRange(int min_port, int max_port)
      : ENetException("Invalid Port Range (" + std::to_string(min_port) +
                      " - " + std::to_string(max_port) + ")") {}
};

class ENetCanNotBindPortInRange : public ENetException {
 public:
  ENetCanNotBindPortInRange(int min_port, int max_port)
      : ENetException("Can not bind in port range (" +
                      std::to_string(min_port) + " - " +
                      std::to_string(max_port) + ")") {}
};

class ENetCouldNotBindSocket : public ENetException {
 public:
  ENetCouldNotBindSocket()
      : ENetException(
            "Could not bind socket. Address and port are already in use.") {}
};

// A failed socket call; Code() is the table code ("Socket Error # 10061").
class ENetSocketError : public ENetException {
 public:
  ENetSocketError(int code, const std::string& message)
      : ENetException(message), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

class ENetConnectTimeout : public ENetException {
 public:
  ENetConnectTimeout() : ENetException("Connect timed out.") {}
};

// A guarded connect that failed; the message is the socket error's text.
class ENetConnectException : public ENetException {
 public:
  using ENetException::ENetException;
};

class ENetConnClosedGracefully : public ENetException {
 public:
  ENetConnClosedGracefully()
      : ENetException("Connection Closed Gracefully.") {}
};

class ENetReadTimeout : public ENetException {
 public:
  ENetReadTimeout() : ENetException("Read Timeout") {}
};

class ENetNotConnected : public ENetException {
 public:
  ENetNotConnected() : ENetException("Not Connected") {}
};

class ENetReadLnMaxLineLengthExceeded : public ENetException {
 public:
  ENetReadLnMaxLineLengthExceeded()
      : ENetException("Max line length exceeded.") {}
};

// The program is closing: the call that waited inside the anti-freeze ends
// and its socket is closed, so that nothing keeps the exit waiting.
class ENetOperationAborted : public ENetException {
 public:
  ENetOperationAborted() : ENetException("Operation aborted.") {}
};
