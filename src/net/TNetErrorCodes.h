#pragma once
#include <string>

// The socket error codes users see in messages ("Socket Error # 10061"), and
// their texts. The codes are those of the original platform's sockets, so that
// messages read the same everywhere; the POSIX error numbers map onto them.

inline constexpr int kNetErrorHostNotFound = 11001;

// The table code for a POSIX errno value. Numbers the table has no code for
// are passed through unchanged.
int NetErrorCodeFromErrno(int error_number);

// The table text for a code; empty for a code the table does not list.
std::string NetErrorText(int code);

// "Socket Error # %d" CR LF "%s", filled with the code and its text.
std::string NetSocketErrorMessage(int code);

// Throws ENetSocketError for the code.
[[noreturn]] void RaiseNetSocketError(int code);
