#pragma once
#include <functional>
#include <string>

// Progress of a connection, reported with a text such as "Connected.".
enum TNetStatus {
  hsResolving,
  hsConnecting,
  hsConnected,
  hsDisconnecting,
  hsDisconnected,
  hsStatusText,
};

using TNetStatusEvent = std::function<void(TNetStatus status, const std::string& text)>;
