// Any answer head reads into the header fields or fails with a conversion
// error; folding any value unfolds to the same words.
#include <cstdint>
#include <string>
#include <string_view>

#include "net/ENetExceptions.h"
#include "net/NetText.h"
#include "net/TNetAuthentication.h"
#include "net/TNetHeaderInfo.h"
#include "platform/Conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  TNetResponseHeaderInfo response;
  while (!text.empty()) {
    std::string line(net_text::Fetch(text, "\n"));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    response.RawHeaders.Add(std::move(line));
  }
  try {
    response.ProcessHeaders();
  } catch (const platform::ConversionError&) {
  }
  response.RawHeaders.AllValues("Set-cookie");

  TNetBasicAuthentication basic;
  basic.SetChallenges(response.WWWAuthenticate);
  basic.Next();

  // Folding at a width from the input; the value must come back through
  // unfolding, blanks aside.
  if (response.RawHeaders.Count() > 0) {
    const std::string value = response.RawHeaders.Values(0);
    const int width = size > 0 ? 2 + data[0] % 90 : 78;
    TNetHeaderList folded(width);
    folded.SetValue("X-Folded", value);
    if (!value.empty() && folded.IndexOfName("X-Folded") != 0) __builtin_trap();
    std::string squeezed_in, squeezed_out;
    for (char c : value)
      if (static_cast<unsigned char>(c) > ' ') squeezed_in += c;
    for (char c : folded.Value("X-Folded"))
      if (static_cast<unsigned char>(c) > ' ') squeezed_out += c;
    if (squeezed_in != squeezed_out) __builtin_trap();
  }
  return 0;
}
