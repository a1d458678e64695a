#include "skin/TskCompressedStoredSkin.h"

#include <cstdint>

#include "platform/FileSystem.h"
#include "skin/ByteReader.h"
#include "skin/SkinCompiler.h"
#include "skin/SkinError.h"
#include "skin/SkinFormat.h"
#include "skin/TskData.h"
#include "skin/Zlib.h"

TskCompressedStoredSkin::~TskCompressedStoredSkin() {
  // Copy first: forgetting the reference removes the holder from users_.
  const std::vector<TskData*> users = users_;
  for (TskData* user : users) user->ForgetCompressedStoredSkin();
}

void TskCompressedStoredSkin::LoadCompressedFile(const std::string& path) {
  CompressedStream.clear();
  const std::string file = platform::ReadWholeFile(path);
  skin::ByteReader reader(file);
  const std::int32_t version = reader.ReadInt32();
  if (version > skin::kCompressedSkinFileVersion) return;
  const std::int32_t length = reader.ReadInt32();
  if (length < 0) {
    throw skin::SkinError("Skin file \"" + path + "\" is damaged: its data length is negative");
  }
  // A length of 0 has always meant "the whole file", header included, which
  // then fails to inflate; kept so that such files fail the way they did.
  CompressedStream = length == 0 ? file : std::string(reader.ReadBytes(static_cast<std::size_t>(length)));
}

void TskCompressedStoredSkin::CompileSkinFolder(const std::string& ini_path) {
  CompressedStream = skin::DeflateZlib(skin::BuildSkinStream(ini_path));
}
