#include "app/TarvikApplication.h"
#include "ui/FMain.h"

int main(int argc, char** argv) {
  TTarvikApplication application(argc, argv);
  TfrmMain main_window;
  main_window.show();
  return application.exec();
}
