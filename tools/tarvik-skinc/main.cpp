// tarvik-skinc: compiles a skin folder into a compressed skin file, and lists
// what a compressed skin file holds.
//
//   tarvik-skinc SKIN.ini OUT.dat
//   tarvik-skinc --list FILE.dat

#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/ErrorReport.h"
#include "platform/FileSystem.h"
#include "skin/SkinCompiler.h"
#include "skin/TskCompressedStoredSkin.h"
#include "skin/TskData.h"

namespace {

constexpr int kFailure = 1;

void PrintUsage() {
  std::cerr << "usage: tarvik-skinc SKIN.ini OUT.dat\n"
               "       tarvik-skinc --list FILE.dat\n";
}

std::string Describe(const std::string& name, const platform::Bitmap& picture) {
  if (picture.IsEmpty()) return "(none)";
  return (name.empty() ? "(unnamed)" : name) + " " + std::to_string(picture.width) + "x" +
         std::to_string(picture.height);
}

// Runs a step that reads the skin file `path`. The loader's own messages
// ("Stream read error", a value that is no integer) do not say which file
// they come from, so what the step throws is made to name it, unless it does
// already.
template <typename Step>
void Reading(const std::string& path, Step step) {
  try {
    step();
  } catch (const std::exception& error) {
    const std::string text = platform::ErrorText(error);
    if (text.find('"' + path + '"') != std::string::npos) throw;
    throw std::runtime_error("The skin \"" + path + "\": " + text);
  }
}

int Compile(const std::string& ini_path, const std::string& out_path) {
  TskCompressedStoredSkin stored;
  stored.CompileSkinFolder(ini_path);
  // Load what was built, so that a value the program could not read is
  // refused here rather than at start-up.
  TskData check;
  Reading(ini_path, [&] { check.LoadCompressedStoredSkin(stored); });
  platform::WriteWholeFileAtomically(out_path, skin::CompressedSkinFile(stored.CompressedStream));
  return 0;
}

int List(const std::string& path) {
  TskData skin_data;
  Reading(path, [&] { skin_data.LoadFromCompressedFile(path); });
  if (skin_data.SkinEmpty()) {
    std::cerr << "tarvik-skinc: \"" << path << "\" holds no skin this program can load\n";
    return kFailure;
  }
  std::cout << "name: " << skin_data.SkinInfo().SkinName << "\n";
  std::cout << "picture: " << Describe(skin_data.MainBitmapName(), skin_data.MainBitmap()) << "\n";
  std::cout << "inactivepicture: "
            << Describe(skin_data.InactiveBitmapName(), skin_data.InactiveBitmap()) << "\n";
  std::cout << "mask: " << Describe(skin_data.MaskBitmapName(), skin_data.MaskBitmap()) << "\n";
  const auto& pictures = skin_data.ActivePictures();
  const auto& names = skin_data.ActivePictureNames();
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    std::cout << "activepicture " << i << ": "
              << Describe(i < names.size() ? names[i] : std::string(), pictures[i]) << "\n";
  }
  for (const auto& entry : skin_data.SkinObjects()) std::cout << entry->IDName << ":" << entry->Kind << "\n";
  for (const auto& entry : skin_data.SkinControls()) std::cout << entry->IDName << ":" << entry->Kind << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    PrintUsage();
    return kFailure;
  }
  try {
    if (std::string_view(argv[1]) == "--list") return List(argv[2]);
    return Compile(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "tarvik-skinc: " << platform::ErrorText(error) << "\n";
    return kFailure;
  }
}
