#include "skin/SkinCompiler.h"

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ErrorReport.h"
#include "platform/FileSystem.h"
#include "skin/BmpReader.h"
#include "skin/ByteReader.h"
#include "skin/IniText.h"
#include "skin/SkinError.h"
#include "skin/SkinFormat.h"
#include "skin/SkinSection.h"

namespace skin {
namespace {

void AppendInt32(std::string& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

// The bytes of the picture file that `key` of PICTURES names, checked to be
// one BMP image whose file-header size field equals its length, as the
// loader expects; files written by tools that leave that field 0 get it
// filled in.
std::string LoadPicture(const std::string& folder, const std::string& key, const std::string& name) {
  const std::optional<std::string> path = platform::FindFileIgnoringCase(folder, name);
  if (!path) {
    throw SkinError("The picture \"" + name + "\" of [PICTURES] " + key + " is not in the folder \"" + folder + "\"");
  }
  std::string bytes = platform::ReadWholeFile(*path);
  if (bytes.size() >= 6 && bytes.size() <= UINT32_MAX) {
    const auto size = static_cast<std::uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i) bytes[2 + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
  }
  try {
    ByteReader reader(bytes);
    ReadBmpImage(reader);
  } catch (const SkinError& error) {
    throw SkinError("The picture \"" + *path + "\" of [PICTURES] " + key + ": " + platform::ErrorText(error));
  }
  return bytes;
}

// Windows line ends, as the loader's INI text is written.
std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    if (text[i] == '\n') out.push_back('\r');
    out.push_back(text[i]);
  }
  return out;
}

}  // namespace

std::string BuildSkinStream(const std::string& ini_path) {
  const std::string text = platform::ReadWholeFile(ini_path);
  const IniText ini(text);
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
    if (!ini.HasSection(section)) {
      throw SkinError("The skin \"" + ini_path + "\" has no section [" + section + "]");
    }
  }
  const std::string folder = FolderOf(ini_path);
  const SkinSection pictures(ini, "PICTURES");

  std::string stream;
  AppendInt32(stream, kSkinStreamVersion);
  for (const char* key : {"picture", "inactivepicture", "mask"}) {
    std::string name;
    pictures.Read(key, name);
    if (name.empty()) {
      stream.push_back(static_cast<char>(kNoPicture));
    } else {
      stream.push_back(static_cast<char>(kPictureFollows));
      stream += LoadPicture(folder, key, name);
    }
  }

  const SkinSection::NameList active = pictures.ReadNameList("activepictures");
  AppendInt32(stream, active.count < 0 ? 0 : active.count);
  for (int i = 0; i < active.count; ++i) {
    // The item may be written with the list's name or with the bare number.
    const std::string listed = "activepictures" + std::to_string(i);
    const std::string key = ini.Value("PICTURES", listed) ? listed : std::to_string(i);
    const auto name = active.items.find(i);
    if (name == active.items.end() || name->second.empty()) {
      throw SkinError("The skin \"" + ini_path + "\" names no file in [PICTURES] " + listed);
    }
    stream += LoadPicture(folder, key, std::string(name->second));
  }
  stream += WithCrLf(text);
  return stream;
}

std::string CompressedSkinFile(std::string_view zlib_stream) {
  std::string file;
  AppendInt32(file, kCompressedSkinFileVersion);
  AppendInt32(file, static_cast<std::int32_t>(zlib_stream.size()));
  file += zlib_stream;
  return file;
}

}  // namespace skin
