#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "net/TNetHeaderInfo.h"
#include "net/TNetStream.h"

enum TNetHTTPMethod { hmHead, hmGet, hmPost, hmOptions, hmTrace, hmPut, hmDelete };
enum TNetHTTPProtocolVersion { pv1_0, pv1_1 };

// "1.0" or "1.1", as the request line writes it.
std::string_view ProtocolVersionText(TNetHTTPProtocolVersion version);
// "GET " and the other method words, each with its trailing blank.
std::string_view MethodText(TNetHTTPMethod method);

// The request of one exchange: its header fields, the target text (a URL
// first, then the origin form path + document + params) and the method.
class TNetHTTPRequest : public TNetRequestHeaderInfo {
 public:
  std::string Target;
  TNetHTTPMethod Method = hmGet;
};

// The answer of one exchange.
class TNetHTTPResponse : public TNetResponseHeaderInfo {
 public:
  std::string StatusLine;
  int StatusCode = -1;
  TNetHTTPProtocolVersion ServerVersion = pv1_1;
  bool KeepConnection = false;
  TNetStream* BodyStream = nullptr;  // where the body goes; not owned
};

// The status line and header state of one exchange.
class TNetHTTPProtocol {
 public:
  TNetHTTPRequest Request;
  TNetHTTPResponse Response;
};

// The second blank-separated word of a status line as a decimal number,
// or -1 when it is not one.
int StatusCodeFromLine(std::string_view status_line);

// The size on a chunk size line: hexadecimal up to the first blank, 0 when
// empty or not hexadecimal (a chunk extension after ";" included). Throws
// ENetInvalidChunkSize for a size beyond a signed 32-bit count.
std::int64_t ChunkSizeFromLine(std::string_view line);
