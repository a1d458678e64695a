#include <gtest/gtest.h>

#include "FUpdate.h"
#include "support/QtTestApplication.h"
#include "support/TemporaryFolder.h"
#include "ui/controls/Button.h"
#include "ui/controls/Gauge.h"

namespace {

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new testsupport::TQtTestEnvironment<>);

using TStage = update::TUpdaterHost::TStage;

TEST(UpdateWindow, ShowsTheBytesAndCancelsUntilFilesAreReplaced) {
  const TemporaryFolder app;
  TfrmUpdate window(app.Path());
  window.show();
  window.ShowStage(TStage::Downloading);
  EXPECT_EQ(window.StageText(), "Downloading the update...");
  window.ShowProgress(512 * 1024, 2 * 1024 * 1024);
  EXPECT_EQ(window.Gauge().DisplayText(), "512 KB of 2.0 MB  25%");
  window.ShowProgress(2 * 1024 * 1024, 2 * 1024 * 1024);
  EXPECT_EQ(window.Gauge().DisplayText(), "2.0 MB of 2.0 MB  100%");

  window.ShowStage(TStage::Installing);
  EXPECT_FALSE(window.CancelButton().isEnabled());
  window.close();
  EXPECT_FALSE(window.Cancelled());
  EXPECT_TRUE(window.isVisible());

  window.ShowStage(TStage::WaitingForProgram);
  window.CancelButton().click();
  EXPECT_TRUE(window.Cancelled());
  EXPECT_FALSE(window.CancelButton().isEnabled());
}

}  // namespace
