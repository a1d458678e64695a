#pragma once

// Sets a flag for the length of a scope and gives it back its previous value
// afterwards, however the scope is left: the guards of the windows and
// controls against the change reports their own rebuilding raises.
class TScopedFlag {
 public:
  explicit TScopedFlag(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
  ~TScopedFlag() { flag_ = previous_; }
  TScopedFlag(const TScopedFlag&) = delete;
  TScopedFlag& operator=(const TScopedFlag&) = delete;

 private:
  bool& flag_;
  bool previous_;
};
