#include "platform/ErrorReport.h"

#include <cstdio>
#include <exception>
#include <mutex>

namespace platform {
namespace {

std::mutex& PresenterMutex() {
  static std::mutex mutex;
  return mutex;
}

ErrorPresenter& Presenter() {
  static ErrorPresenter presenter;
  return presenter;
}

ErrorPresenter& DefaultPresenter() {
  static ErrorPresenter presenter;
  return presenter;
}

}  // namespace

void SetErrorPresenter(ErrorPresenter presenter) {
  std::lock_guard lock(PresenterMutex());
  Presenter() = std::move(presenter);
}

void SetDefaultErrorPresenter(ErrorPresenter presenter) {
  std::lock_guard lock(PresenterMutex());
  DefaultPresenter() = std::move(presenter);
}

void ReportError(const std::string& message) {
  ErrorPresenter presenter;
  {
    std::lock_guard lock(PresenterMutex());
    presenter = Presenter() ? Presenter() : DefaultPresenter();
  }
  if (presenter)
    presenter(message);
  else
    std::fprintf(stderr, "%s\n", message.c_str());
}

void ReportCurrentException() {
  try {
    throw;
  } catch (const std::exception& error) {
    ReportError(error.what());
  } catch (...) {
    ReportError("Unknown error");
  }
}

}  // namespace platform
