#include "app/TarvikApplication.h"

#include <QMessageBox>

#include "platform/ErrorReport.h"

TTarvikApplication::TTarvikApplication(int& argc, char** argv) : QApplication(argc, argv) {
  platform::SetErrorPresenter([](const std::string& message) {
    QMessageBox::information(activeWindow(), "Information", QString::fromStdString(message));
  });
}

bool TTarvikApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    platform::ReportCurrentException();
    return false;
  }
}
