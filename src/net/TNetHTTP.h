#pragma once
#include <memory>

#include "net/TNetCustomHTTP.h"

// The HTTP client component the program places on its windows.
class TNetHTTP : public TNetCustomHTTP {};

// The main window's HTTP client: redirects followed, cookies kept, and the
// request fields every request of the program carries.
std::unique_ptr<TNetHTTP> CreateNetHTTP1();
