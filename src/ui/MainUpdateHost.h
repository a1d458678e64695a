#pragma once
#include "update/UpdateCheck.h"

class TfrmMain;

// The main window as the live update sees it: its HTTP client, its message
// box, and its close path.
class TMainUpdateHost : public update::TUpdateHost {
 public:
  TMainUpdateHost(TfrmMain& window, const bool& closing) : window_(window), closing_(closing) {}

  TNetCustomHTTP& HttpClient() override;
  void ProcessPendingMessages() override;
  bool AskInformation(const std::string& text) override;
  void ShowInformation(const std::string& text) override;
  void ShowWarning(const std::string& text) override;
  void StartProgram(const std::vector<std::string>& arguments) override;
  void CloseMainWindow() override;
  bool Closing() const override { return closing_; }

 private:
  TfrmMain& window_;
  const bool& closing_;
};
