#include "net/TNetSSLSocketBIO.h"

#include <openssl/bio.h>

#include <memory>

#include "net/TNetStack.h"

namespace {

constexpr int kErrorWouldBlock = 10035;

TNetSSLSocket& SocketOf(BIO* bio) { return *static_cast<TNetSSLSocket*>(BIO_get_data(bio)); }

int Write(BIO* bio, const char* data, std::size_t count, std::size_t* written) {
  TNetSSLSocket& socket = SocketOf(bio);
  BIO_clear_retry_flags(bio);
  const std::ptrdiff_t sent = socket.Stack->Send(socket.Handle, data, count);
  if (sent >= 0) {
    *written = static_cast<std::size_t>(sent);
    return 1;
  }
  socket.LastError = socket.Stack->LastError();
  if (socket.LastError == kErrorWouldBlock) BIO_set_retry_write(bio);
  return 0;
}

int Read(BIO* bio, char* data, std::size_t count, std::size_t* read) {
  TNetSSLSocket& socket = SocketOf(bio);
  BIO_clear_retry_flags(bio);
  const std::ptrdiff_t received = socket.Stack->Receive(socket.Handle, data, count);
  if (received > 0) {
    *read = static_cast<std::size_t>(received);
    return 1;
  }
  if (received == 0) {
    socket.AtEnd = true;
  } else {
    socket.LastError = socket.Stack->LastError();
    if (socket.LastError == kErrorWouldBlock) BIO_set_retry_read(bio);
  }
  return 0;
}

long Control(BIO* bio, int command, long /*number*/, void* /*pointer*/) {
  switch (command) {
    case BIO_CTRL_FLUSH:
      return 1;  // nothing is held back: every write goes to the socket
    case BIO_CTRL_EOF:
      return SocketOf(bio).AtEnd ? 1 : 0;
    default:
      return 0;
  }
}

int Create(BIO* bio) {
  BIO_set_init(bio, 1);
  return 1;
}

struct FreeMethod {
  void operator()(BIO_METHOD* method) const { BIO_meth_free(method); }
};

std::unique_ptr<BIO_METHOD, FreeMethod> MakeMethod() {
  std::unique_ptr<BIO_METHOD, FreeMethod> method(
      BIO_meth_new(BIO_get_new_index() | BIO_TYPE_SOURCE_SINK, "tarvik socket"));
  if (method) {
    BIO_meth_set_write_ex(method.get(), Write);
    BIO_meth_set_read_ex(method.get(), Read);
    BIO_meth_set_ctrl(method.get(), Control);
    BIO_meth_set_create(method.get(), Create);
  }
  return method;
}

}  // namespace

BIO* NewSSLSocketBIO(TNetSSLSocket& socket) {
  static const std::unique_ptr<BIO_METHOD, FreeMethod> method = MakeMethod();
  if (!method) return nullptr;
  BIO* bio = BIO_new(method.get());
  if (bio) BIO_set_data(bio, &socket);
  return bio;
}
