#pragma once
#include <string>

// The reason text of the newest error in OpenSSL's queue of the calling
// thread, or "unknown error"; the queue is emptied.
std::string SSLErrorReason();
