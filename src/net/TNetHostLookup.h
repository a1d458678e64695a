#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

// Finds the first IPv4 address of a host name, as dotted text; none when the
// name is unknown. Called on a thread of its own, so it may touch nothing but
// its argument.
using TNetHostLookupFunction =
    std::function<std::optional<std::string>(const std::string& host)>;

// One host name lookup on a detached thread, so that the caller can keep the
// window responsive, give up at its time limit or end when the program
// closes. The platform's lookup cannot be cancelled: one still running when
// this object goes finishes on its own and drops its answer, and the state it
// writes to lives as long as either side needs it.
class TNetHostLookup {
 public:
  TNetHostLookup(TNetHostLookupFunction lookup, std::string host);

  // Waits up to `timeout_ms` for the answer; true once it is there.
  bool WaitFinished(int timeout_ms);
  // The address found; raises ENetSocketError 11001 when there is none.
  // Only after WaitFinished said true.
  std::string Address() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};
