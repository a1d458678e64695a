#include "ui/PendingEvents.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

// Bounds "all": a timer that keeps firing can hold the loop no longer than
// one waiting slice of the anti-freeze, and the download goes on.
constexpr int kAllPendingEventsMaxMs = 250;

}  // namespace

void HandlePendingEvents(TNetPendingMessages amount) {
  if (amount == TNetPendingMessages::All)
    QCoreApplication::processEvents(QEventLoop::AllEvents, kAllPendingEventsMaxMs);
  else
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
