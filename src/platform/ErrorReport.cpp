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
    ReportError(ErrorText(error));
  } catch (...) {
    ReportError("Unknown error");
  }
}

std::string ErrorText(const std::exception& error) {
  std::string text = error.what();
  try {
    std::rethrow_if_nested(error);
  } catch (const std::exception& detail) {
    text += ": " + ErrorText(detail);
  } catch (...) {
  }
  return text;
}

}  // namespace platform
