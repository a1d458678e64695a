#include "skin_qt/SkinQtFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "skin/qt/SkinStyle.h"
#include "skin/stored/StoredSkin.h"
#include "support/QtTestApplication.h"

namespace skinqttest {

namespace {

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(
    new testsupport::TQtTestEnvironment<>([] { skin::qt::TskSkinStyle::Installed(); }));

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

std::string ExampleSkinFile() {
  std::ifstream in(SourceFile("examples/skins/dbskin.dat"), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void TDefaultSkinTest::SetUp() {
  App();
  data = DefaultSkinData();
  skin::qt::TskSkinStyle::Installed().SetSkin(data.get());
}

void TDefaultSkinTest::TearDown() { skin::qt::TskSkinStyle::Installed().SetSkin(nullptr); }

}  // namespace skinqttest
