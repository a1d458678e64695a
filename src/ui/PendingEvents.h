#pragma once
#include "net/TNetAntiFreeze.h"

// How the program's windows handle their events while the network waits
// (the anti-freeze's hook). All: until the queue is empty, events posted
// meanwhile included, for at most one waiting slice. One: a single pass of
// the event dispatcher, so that the download gets the thread back before
// anything posted during that pass.
void HandlePendingEvents(TNetPendingMessages amount);
