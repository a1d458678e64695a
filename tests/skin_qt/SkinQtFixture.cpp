#include "skin_qt/SkinQtFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "skin/qt/SkinStyle.h"
#include "skin/stored/StoredSkin.h"

namespace skinqttest {

namespace {

// One application for the whole test program, on Qt's offscreen platform;
// it goes before Qt's own globals do.
class TQtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "skin_qt_tests";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QApplication>(argc, argv);
    skin::qt::TskSkinStyle::Installed();
  }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QApplication> application_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

}  // namespace

QApplication& App() { return *qApp; }

std::unique_ptr<TskData> DefaultSkinData(skin::SkinListener* owner) {
  static TskCompressedStoredSkin stored;
  if (stored.IsEmpty()) skin::LoadStoredSkin(stored);
  auto data = std::make_unique<TskData>(owner);
  data->LoadCompressedStoredSkin(stored);
  return data;
}

void LoadSkinBytes(TskData& data, const std::string& file) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "tarvik_skin_qt_test.dat";
  {
    std::ofstream out(path, std::ios::binary);
    out << file;
  }
  data.LoadFromCompressedFile(path.string());
  std::filesystem::remove(path);
}

std::filesystem::path SourceFile(const std::string& relative) {
  return std::filesystem::path(TARVIK_SOURCE_DIR) / relative;
}

}  // namespace skinqttest
