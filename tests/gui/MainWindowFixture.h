#pragma once
#include <gtest/gtest.h>

#include <QTreeWidgetItem>
#include <memory>
#include <string>

#include "gui/GuiTestSupport.h"
#include "ui/FMain.h"

namespace guitest {

// The main window over a temporary application folder, with a driver that
// answers its dialogs and message boxes, and a local server that its update
// checks ask (nothing leaves the machine).
class MainWindowTest : public ::testing::Test {
 protected:
  void TearDown() override;

  // Writes the data files (skipped when empty) and opens the window.
  void Open(const std::string& categories = "", const std::string& projects = "", const std::string& hours = "");

  // The node of `text`: a category, or a project under `category`.
  QTreeWidgetItem* Node(const std::string& text, const std::string& category = "") const;
  void ClickNode(QTreeWidgetItem* node);
  std::vector<std::string> TreeText() const;  // "Work", "  Site", ...
  void ClickRow(QWidget* list, int row);

  // Commands as the user gives them, each answering the dialog it opens.
  void NewCategory(const std::string& name);
  void NewProject(const std::string& name, const std::string& category = "");
  void AddTask(const std::string& name, bool done = false);

  TTempAppFolder folder;
  TModalDriver driver;
  TUpdateServer updates;
  update::TUpdateTimeLimits update_time_limits;  // what Open gives the window
  std::unique_ptr<TfrmMain> window;
};

}  // namespace guitest
