#pragma once
#include "platform/ErrorReport.h"

// Wraps an event handler for connecting to a signal: an error that ends the
// handler is reported through the application-wide error handling right
// where the event arrives, so that no exception unwinds through Qt's own
// frames and the window stays usable.
template <typename Object, typename... Args>
auto Handler(Object* object, void (Object::*method)(Args...)) {
  return [object, method](Args... args) {
    try {
      (object->*method)(args...);
    } catch (...) {
      platform::ReportCurrentException();
    }
  };
}
