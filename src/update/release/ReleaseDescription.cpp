#include "update/release/ReleaseDescription.h"

#include <charconv>

#include "net/Base64.h"
#include "platform/ProfileFile.h"
#include "update/release/ReleaseError.h"

namespace update {
namespace {

constexpr std::string_view kSection = "APPLICATION";
constexpr std::size_t kMaxVersionLength = 32;
constexpr std::size_t kMaxArchiveNameLength = 128;
constexpr std::size_t kSha256Digits = 64;
constexpr std::size_t kSignatureBytes = 64;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLowerHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f'); }

std::uint64_t ParseSize(std::string_view text) {
  std::uint64_t size = 0;
  // Plain decimal digits only: no sign, no blanks, no leading zero.
  const bool plain = !text.empty() && text.front() != '0' && text.find_first_not_of("0123456789") == text.npos;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  if (!plain || error != std::errc() || end != text.data() + text.size())
    throw TReleaseError("The key \"Size\" must be the archive's size in bytes.");
  if (size > kMaxArchiveSize) throw TReleaseError("The archive is larger than the 4 GiB an update may be.");
  return size;
}

std::string ParseSha256(std::string_view text) {
  bool valid = text.size() == kSha256Digits;
  for (const char c : text) valid = valid && IsLowerHexDigit(c);
  if (!valid) throw TReleaseError("The key \"SHA256\" must be 64 lower-case hexadecimal digits.");
  return std::string(text);
}

std::string ParseSignature(std::string_view text) {
  const std::optional<std::string> bytes = Base64Decode(text);
  if (!bytes || bytes->size() != kSignatureBytes)
    throw TReleaseError("The key \"Signature\" must be an Ed25519 signature in Base64.");
  return *bytes;
}

}  // namespace

void CheckVersionText(std::string_view version) {
  // Digits with at most one period between them: the form every program,
  // whatever its locale's decimal separator, reads the same way or not at
  // all, and the only one a signed message can quote without doubt.
  const std::size_t period = version.find('.');
  const std::string_view whole = version.substr(0, period);
  const std::string_view fraction = period == version.npos ? "1" : version.substr(period + 1);
  bool valid = !version.empty() && version.size() <= kMaxVersionLength && !whole.empty() && !fraction.empty();
  for (const char c : whole) valid = valid && IsDigit(c);
  for (const char c : fraction) valid = valid && IsDigit(c);
  if (!valid) throw TReleaseError("The version must be a decimal number such as 1.03.");
}

void CheckArchiveName(std::string_view name) {
  // A bare name that needs no escaping in an address and cannot leave the
  // update folder.
  bool valid = !name.empty() && name.size() <= kMaxArchiveNameLength && name.front() != '.';
  for (const char c : name)
    valid = valid && (IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' || c == '-' ||
                      c == '_' || c == '+');
  if (!valid)
    throw TReleaseError("The archive's name must be a plain file name of letters, digits, \".\", \"-\", \"_\" or \"+\".");
}

TReleaseDescription ParseReleaseDescription(std::string_view file_text) {
  const platform::ProfileFile file = platform::ProfileFile::FromText(file_text);
  const auto value = [&file](std::string_view key) {
    std::string text = file.ReadString(kSection, key);
    if (text.empty()) throw TReleaseError("The update description has no key \"" + std::string(key) + "\".");
    return text;
  };
  TReleaseDescription release;
  release.Version = value("Version");
  CheckVersionText(release.Version);
  release.Archive = value("Archive");
  CheckArchiveName(release.Archive);
  release.Size = ParseSize(value("Size"));
  release.Sha256 = ParseSha256(value("SHA256"));
  release.Signature = ParseSignature(value("Signature"));
  return release;
}

std::string FormatReleaseDescription(const TReleaseDescription& release) {
  return "[APPLICATION]\r\nVersion=" + release.Version + "\r\nArchive=" + release.Archive +
         "\r\nSize=" + std::to_string(release.Size) + "\r\nSHA256=" + release.Sha256 +
         "\r\nSignature=" + Base64Encode(release.Signature) + "\r\n";
}

std::string SignedMessage(const TReleaseDescription& release) {
  return "Project Tarvik release\nVersion: " + release.Version + "\nArchive: " + release.Archive +
         "\nSize: " + std::to_string(release.Size) + "\nSHA256: " + release.Sha256 + "\n";
}

}  // namespace update
