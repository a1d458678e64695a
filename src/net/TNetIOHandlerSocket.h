#pragma once
#include <memory>

#include "net/TNetHostLookup.h"
#include "net/TNetIOHandler.h"
#include "net/TNetSocketHandle.h"
#include "net/TNetStack.h"

// The I/O handler over one plain TCP socket.
class TNetIOHandlerSocket : public TNetIOHandler {
 public:
  // The longest a connect may take when the anti-freeze is in use and the
  // caller gave no limit of its own.
  static constexpr int kAntiFreezeConnectTimeout = 120000;

  void Open() override;
  void ConnectClient(const TNetConnectTarget& target) override;
  void Close() override;
  bool Connected() const override;
  bool Readable(int timeout_ms) override;
  std::ptrdiff_t Recv(char* data, std::size_t count) override;
  std::ptrdiff_t Send(const char* data, std::size_t count) override;
  int LastError() const override;

  // When false, small writes go out at once (TCP_NODELAY).
  bool UseNagle = true;
  // How host names become addresses; the platform's resolver unless a
  // program brings its own.
  TNetHostLookupFunction HostLookup = &TNetStack::LookUpHost;

  TNetSocketHandle* Binding() const { return binding_.get(); }

 protected:
  TNetStack& Stack() const { return stack_user_.Stack(); }
  // The limit a connect of `target` waits for, in ms; 0: none.
  static int ConnectTimeout(const TNetConnectTarget& target);
  void Report(TNetStatus status, const std::string& text);

 private:

  TNetStackUser stack_user_;
  std::unique_ptr<TNetSocketHandle> binding_;
};
