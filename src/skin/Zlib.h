#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace skin {

// No skin comes near this once inflated; the bound keeps a small hostile
// file from making the loader allocate without limit.
inline constexpr std::size_t kMaxInflatedSkinSize = 64u << 20;

// The content of one zlib stream (RFC 1950). Damaged, truncated or oversized
// data throws SkinError "compression error". Bytes after the stream's end are
// ignored.
std::string InflateZlib(std::string_view compressed,
                        std::size_t max_size = kMaxInflatedSkinSize);

// One zlib stream of `data` at the best compression level.
std::string DeflateZlib(std::string_view data);

}  // namespace skin
