#include "net/TNetHTTPProtocol.h"

#include "net/ENetHTTPExceptions.h"
#include "platform/Conversion.h"

std::string_view ProtocolVersionText(TNetHTTPProtocolVersion version) {
  return version == pv1_0 ? "1.0" : "1.1";
}

std::string_view MethodText(TNetHTTPMethod method) {
  switch (method) {
    case hmHead: return "HEAD ";
    case hmGet: return "GET ";
    case hmPost: return "POST ";
    case hmOptions: return "OPTIONS ";
    case hmTrace: return "TRACE ";
    case hmPut: return "PUT ";
    case hmDelete: return "DELETE ";
  }
  return "GET ";
}

int StatusCodeFromLine(std::string_view status_line) {
  const std::size_t blank = status_line.find(' ');
  if (blank == std::string_view::npos) return -1;
  std::string_view rest = status_line.substr(blank + 1);
  const std::size_t first = rest.find_first_not_of(' ');
  if (first == std::string_view::npos) return -1;
  rest.remove_prefix(first);
  const std::string_view word = rest.substr(0, rest.find(' '));
  return platform::ReadInteger(word).value_or(-1);
}

std::int64_t ChunkSizeFromLine(std::string_view line) {
  const std::string_view digits = line.substr(0, line.find(' '));
  if (digits.empty()) return 0;
  std::int64_t size = 0;
  for (const char c : digits) {
    int digit = 0;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return 0;
    size = size * 16 + digit;
    if (size > INT32_MAX) throw ENetInvalidChunkSize();
  }
  return size;
}
