#pragma once
#include <QApplication>

// The application object. Every event reaches the program's handlers through
// notify(), so this is where an error that ends a handler is caught: it must
// not unwind through Qt's own frames. The text goes to the application-wide
// error handling, and the window stays usable.
class TTarvikApplication : public QApplication {
 public:
  TTarvikApplication(int& argc, char** argv);
  ~TTarvikApplication() override;
  bool notify(QObject* receiver, QEvent* event) override;
};
