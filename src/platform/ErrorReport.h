#pragma once
#include <exception>
#include <functional>
#include <string>

namespace platform {

// The application-wide error handling: every error that ends an event
// handler, a creation step or a clock tick goes here, and the window system
// layer installs the presenter that shows the text to the user. Without a
// presenter (tests, tools) the text goes to standard error.
using ErrorPresenter = std::function<void(const std::string& message)>;

// The presenter of the window that is open (its own message box).
void SetErrorPresenter(ErrorPresenter presenter);

// The presenter of the application object, for errors while no window has
// a presenter of its own: before the main window is made and after it is
// gone.
void SetDefaultErrorPresenter(ErrorPresenter presenter);
void ReportError(const std::string& message);

// Reports the exception currently being handled; call inside a catch block.
void ReportCurrentException();

// The text an error is shown with: its message, then ": " and each detail
// nested in it (std::throw_with_nested), innermost last. A message that
// callers compare stays the exception's what() alone; the detail says why
// or where.
std::string ErrorText(const std::exception& error);

}  // namespace platform
