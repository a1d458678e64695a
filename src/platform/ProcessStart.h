#pragma once
#include <chrono>
#include <string>
#include <vector>

namespace platform {

// Starts a program with an argument vector, never through a shell, so that
// no argument is ever read as a command. arguments[0] is the program: a path,
// or a name looked up in PATH. The program runs on its own; nothing waits
// for it and it leaves no zombie behind. True when it was started.
bool StartProcess(const std::vector<std::string>& arguments);

// How a program run for its output ended.
struct CapturedOutput {
  enum class Ending { Succeeded, Failed, TimedOut };
  Ending ending;
  std::string text;  // its standard output, when it succeeded
};

// Runs a program with an argument vector and waits for it at most
// `time_limit`. A program that has not ended by then is killed with every
// process it started that stayed in its process group, and reaped: nothing
// of it outlives the call. Failed: it could not be started or ended with a
// status other than 0.
CapturedOutput RunAndCapture(const std::vector<std::string>& arguments, std::chrono::milliseconds time_limit);

}  // namespace platform
