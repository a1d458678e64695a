#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace update {

// What "mainappupdate.inf" says about a release, section "APPLICATION":
// "Version" (all that earlier programs read), and beside it the archive
// that holds the release and the vendor's signature over both.
struct TReleaseDescription {
  std::string Version;    // the offered release as written, e.g. "1.03"
  std::string Archive;    // a bare file name in the update folder
  std::uint64_t Size = 0;  // bytes of the archive
  std::string Sha256;     // of the archive, 64 lower-case hexadecimal digits
  std::string Signature;  // Ed25519 over SignedMessage(), 64 raw bytes
};

// Archives beyond this are refused before a byte of them is fetched.
constexpr std::uint64_t kMaxArchiveSize = std::uint64_t{4} << 30;

// Reads and checks the keys of a description file's text. Throws
// TReleaseError naming the first key that is missing or malformed.
TReleaseDescription ParseReleaseDescription(std::string_view file_text);

// The description file for `release`, as the vendor publishes it.
std::string FormatReleaseDescription(const TReleaseDescription& release);

// The exact bytes the vendor signs: five lines, each ended by LF,
//   Project Tarvik release
//   Version: <Version>
//   Archive: <Archive>
//   Size: <Size in decimal>
//   SHA256: <Sha256>
// The version is part of it, so an archive signed for one release can
// never be offered as another.
std::string SignedMessage(const TReleaseDescription& release);

// Checks the fields that the vendor chooses, as `pack` takes them and the
// updater reads them; throws TReleaseError.
void CheckVersionText(std::string_view version);
void CheckArchiveName(std::string_view name);

}  // namespace update
