#include "net/TNetHostLookup.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "net/TNetErrorCodes.h"

struct TNetHostLookup::State {
  std::mutex mutex;
  std::condition_variable finished_changed;
  bool finished = false;
  std::optional<std::string> address;
};

namespace {

std::optional<std::string> LookUp(const TNetHostLookupFunction& lookup,
                                   const std::string& host) {
  try {
    return lookup(host);
  } catch (...) {
    // Nothing may leave a detached thread; a failing lookup found nothing.
    return std::nullopt;
  }
}

}  // namespace

TNetHostLookup::TNetHostLookup(TNetHostLookupFunction lookup, std::string host)
    : state_(std::make_shared<State>()) {
  const auto run = [state = state_, lookup = std::move(lookup), host = std::move(host)] {
    std::optional<std::string> address = LookUp(lookup, host);
    std::lock_guard lock(state->mutex);
    state->address = std::move(address);
    state->finished = true;
    state->finished_changed.notify_all();
  };
  try {
    std::thread(run).detach();
  } catch (const std::system_error&) {
    // No thread to spare: the lookup blocks the caller as a plain one would.
    run();
  }
}

bool TNetHostLookup::WaitFinished(int timeout_ms) {
  std::unique_lock lock(state_->mutex);
  return state_->finished_changed.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                                           [this] { return state_->finished; });
}

std::string TNetHostLookup::Address() const {
  std::lock_guard lock(state_->mutex);
  if (!state_->address) RaiseNetSocketError(kNetErrorHostNotFound);
  return *state_->address;
}
