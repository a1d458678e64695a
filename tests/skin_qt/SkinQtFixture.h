#pragma once
#include <QApplication>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "skin/TskData.h"

namespace skinqttest {

// The one application of the test program, with the skin style installed.
QApplication& App();

// The default skin as the main window holds it, told to no window: tests
// hand it to the style or the forms themselves.
std::unique_ptr<TskData> DefaultSkinData(skin::SkinListener* owner = nullptr);

// Loads the compressed skin file bytes `file` into `data`, through a
// temporary file, as the configuration loads "dbskin.dat".
void LoadSkinBytes(TskData& data, const std::string& file);

std::filesystem::path SourceFile(const std::string& relative);

// The bytes of the example skin, examples/skins/dbskin.dat.
std::string ExampleSkinFile();

// Tests whose controls wear the default skin through the installed style,
// which goes back to the standard look afterwards.
class TDefaultSkinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::unique_ptr<TskData> data;
};

}  // namespace skinqttest
