#pragma once
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

// Tests may run as root, who reads and writes any file and creates files in
// any folder, whatever their modes say. While this lives, the calling thread
// is held to the modes, root or not: it sets aside the capabilities that let
// root pass over them.
class TFileModesApply {
 public:
  TFileModesApply() {
    ::syscall(SYS_capget, &header_, saved_);
    __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    ::syscall(SYS_capset, &header_, reduced);
  }
  ~TFileModesApply() { ::syscall(SYS_capset, &header_, saved_); }
  TFileModesApply(const TFileModesApply&) = delete;
  TFileModesApply& operator=(const TFileModesApply&) = delete;

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2]{};
};

}  // namespace testsupport
