#include "app/TarvikApplication.h"

#include <QMessageBox>

#include "platform/ErrorReport.h"

TTarvikApplication::TTarvikApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // Until the main window puts its own message box in place, and after it is
  // gone, errors show in a plain one. The text is shown as it is: an error
  // names files and quotes input, which is no markup.
  platform::SetDefaultErrorPresenter([](const std::string& message) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), QString::fromStdString(message),
                    QMessageBox::Ok, activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
  });
}

TTarvikApplication::~TTarvikApplication() { platform::SetDefaultErrorPresenter(nullptr); }

bool TTarvikApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    platform::ReportCurrentException();
    return false;
  }
}
