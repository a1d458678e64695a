#pragma once
#include <string>

namespace platform {

// The folder of the running executable, ending with "/". Every file the
// program reads or writes is this folder followed by a bare file name.
const std::string& AppFolder();

// Points AppFolder() elsewhere for the rest of the process (tests use this to
// work in a temporary folder). The trailing "/" is added when missing.
void SetAppFolder(std::string folder);

}  // namespace platform
