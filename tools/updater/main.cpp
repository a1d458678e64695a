// Updater.exe UPDATE_FOLDER_URL RUNNING_VERSION A
//
// Started by the program from its own folder once the user accepts an
// update: installs the newer signed release of the update folder into the
// folder this program lies in, then starts the program again. Exit status
// 0 when the release was installed, 1 when nothing was, 2 for arguments
// other than the program passes.
#include <cstdio>
#include <string>
#include <vector>

#include "FUpdate.h"
#include "app/TarvikApplication.h"
#include "platform/AppFolder.h"
#include "platform/ProcessStart.h"

int main(int argc, char** argv) {
  TTarvikApplication application(argc, argv);
  const std::optional<update::TUpdaterArguments> arguments =
      update::ReadUpdaterArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!arguments) {
    std::fprintf(stderr, "usage: Updater.exe UPDATE_FOLDER_URL RUNNING_VERSION A\n");
    return 2;
  }
  const std::string& folder = platform::AppFolder();
  TfrmUpdate window(folder);
  window.show();
  const update::TUpdateOutcome outcome = update::RunUpdate(folder, *arguments, window);
  window.hide();
  // The user gets the program back, new or as it was; one that still runs
  // is there already.
  if (outcome != update::TUpdateOutcome::ProgramStillRunning) platform::StartProcess({folder + "tarvik"});
  return outcome == update::TUpdateOutcome::Installed ? 0 : 1;
}
