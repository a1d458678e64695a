#pragma once

namespace gif::qt {

// Installs the main-thread dispatcher that posts into the Qt event loop and
// runs window timers as QTimers. Call once on the main thread after the
// QApplication exists; later calls change nothing.
void InstallQtMainThreadDispatcher();

}  // namespace gif::qt
