#pragma once
#include <string>
#include <string_view>

namespace skin {

// The skin stream of a skin folder: format version 3, the main, inactive and
// mask pictures named in PICTURES (each a flag byte and its BMP image), the
// active pictures, and the INI file's text. Throws SkinError when a required
// section, a picture name or a picture file is missing, or a picture is no
// valid BMP image.
std::string BuildSkinStream(const std::string& ini_path);

// A compressed skin file: version, length and the zlib stream.
std::string CompressedSkinFile(std::string_view zlib_stream);

}  // namespace skin
