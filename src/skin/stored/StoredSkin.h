#pragma once
#include <string_view>

#include "skin/TskCompressedStoredSkin.h"

namespace skin {

// The name the stored skin carries as its FileName and CompressedFileName.
inline constexpr std::string_view kStoredSkinName = "Modern.skn";

// The zlib stream of the default skin (skins/default), compiled at build
// time and built into the executable: the CompressedData of the main
// window's stored skin.
std::string_view StoredSkinBytes();

// Gives `stored` (the main window's skCompressedStoredSkin1) the default
// skin and its stored names.
void LoadStoredSkin(TskCompressedStoredSkin& stored);

}  // namespace skin
