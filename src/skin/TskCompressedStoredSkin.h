#pragma once
#include <string>
#include <vector>

class TskData;

// A skin kept as one zlib stream of a skin stream: the one stored in the
// main window's layout, or one read from a compressed skin file.
class TskCompressedStoredSkin {
 public:
  TskCompressedStoredSkin() = default;
  ~TskCompressedStoredSkin();
  TskCompressedStoredSkin(const TskCompressedStoredSkin&) = delete;
  TskCompressedStoredSkin& operator=(const TskCompressedStoredSkin&) = delete;

  std::string Description;
  std::string FileName;
  std::string CompressedFileName;
  // The raw zlib bytes; the layout stores them unchanged as CompressedData.
  std::string CompressedStream;

  bool IsEmpty() const { return CompressedStream.empty(); }

  // Reads a compressed skin file: version, length N, N bytes of zlib data.
  // A version above 3 leaves the stream empty. Throws platform::FileError
  // when the file cannot be opened and skin::SkinError "Stream read error"
  // when it is shorter than it says.
  void LoadCompressedFile(const std::string& path);

  // The design-time compiler: builds the stream from a skin INI file and the
  // pictures it names in its folder. Throws skin::SkinError naming what is
  // missing; the stream is unchanged then.
  void CompileSkinFolder(const std::string& ini_path);

 private:
  friend class TskData;  // skin data holders that refer to this skin
  std::vector<TskData*> users_;
};
