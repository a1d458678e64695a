#pragma once
#include <algorithm>
#include <chrono>

#include "net/ENetTransportExceptions.h"
#include "net/TNetAntiFreeze.h"
#include "net/TNetStack.h"

// The time limit of one connect step (a name lookup, the connect itself, a
// TLS handshake), waited out in slices with window messages handled between
// them. The limit is the clock's: time spent in window handlers counts too,
// so that a slow handler cannot stretch a connect beyond what the caller
// asked for.
class TNetConnectWait {
 public:
  // `timeout_ms` TNetStack::kWaitForever: no limit.
  explicit TNetConnectWait(int timeout_ms);

  // Calls `wait_finished(ms)` until it says true; false when the limit
  // passed first. Raises ENetOperationAborted once the program is closing.
  template <typename Wait>
  bool Until(Wait wait_finished) const {
    for (;;) {
      if (!unlimited_) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
                              deadline_ - std::chrono::steady_clock::now())
                              .count();
        if (left <= step_) return wait_finished(static_cast<int>(std::max<long long>(left, 0)));
      }
      if (wait_finished(step_)) return true;
      TNetAntiFreezeBase::DoProcess(true);
      if (TNetAntiFreezeBase::CallsAborted()) throw ENetOperationAborted();
    }
  }

 private:
  bool unlimited_;
  std::chrono::steady_clock::time_point deadline_;
  int step_;
};
