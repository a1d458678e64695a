#pragma once
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Starts a program with an argument vector, never through a shell, so that
// no argument is ever read as a command. arguments[0] is the program: a path,
// or a name looked up in PATH. The program runs on its own; nothing waits
// for it and it leaves no zombie behind. True when it was started.
bool StartProcess(const std::vector<std::string>& arguments);

// Runs a program with an argument vector and gives what it wrote to its
// standard output, or none when it could not be started or failed.
std::optional<std::string> RunAndCapture(const std::vector<std::string>& arguments);

}  // namespace platform
