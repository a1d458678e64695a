#pragma once
#include <utility>

// Creates a control that its parent owns: Qt frees every child together with
// its parent, so the window that creates a control never frees it itself.
// The parent goes last, as Qt's own constructors take it.
template <typename T, typename Parent, typename... Args>
T* OwnedBy(Parent* parent, Args&&... args) {
  return new T(std::forward<Args>(args)..., parent);
}
