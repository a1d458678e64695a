#include "app/TarvikApplication.h"
#include "platform/AppFolder.h"
#include "platform/ErrorReport.h"
#include "ui/FMain.h"
#include "update/install/ProgramLock.h"

int main(int argc, char** argv) {
  TTarvikApplication application(argc, argv);
  // Held until the program ends, so that the updater replaces no file under
  // it; an update that a kill cut short is finished here first.
  const update::TProgramLock running = update::TProgramLock::WhileRunning(platform::AppFolder(), platform::ReportError);
  TfrmMain main_window;
  main_window.show();
  return application.exec();
}
