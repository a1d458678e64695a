#include "net/TNetConnectWait.h"

namespace {

constexpr int kConnectStep = 125;

}  // namespace

TNetConnectWait::TNetConnectWait(int timeout_ms)
    : unlimited_(timeout_ms == TNetStack::kWaitForever),
      deadline_(std::chrono::steady_clock::now() +
                std::chrono::milliseconds(std::max(timeout_ms, 0))) {
  const TNetAntiFreezeBase* anti_freeze = TNetAntiFreezeBase::InUse();
  step_ = anti_freeze ? std::clamp(anti_freeze->IdleTimeOut, 1, kConnectStep) : kConnectStep;
}
