#pragma once
class QWidget;

namespace skin::qt {

// Ends a move or resize that the window manager was asked to run but that
// lost the race with the button's release: on X11 a window manager that
// takes the pointer only after the button is up moves the window with no
// button held, until the next click. Does nothing where there is no X11.
void CancelWindowSystemDrag(const QWidget& window);

}  // namespace skin::qt
