#include "ui/MainUpdateHost.h"

#include <QCoreApplication>

#include "net/TNetHTTP.h"
#include "platform/ProcessStart.h"
#include "ui/FMain.h"
#include "ui/controls/MessageBox.h"

TNetCustomHTTP& TMainUpdateHost::HttpClient() { return *window_.NetHTTP1; }

void TMainUpdateHost::ProcessPendingMessages() { QCoreApplication::processEvents(); }

bool TMainUpdateHost::AskInformation(const std::string& text) { return window_.msgMain->Confirm(text); }

void TMainUpdateHost::ShowInformation(const std::string& text) { window_.msgMain->Inform(text); }

void TMainUpdateHost::ShowWarning(const std::string& text) {
  window_.msgMain->MessageDlg(text, TMsgDlgType::Warning, TMsgDlgButtons::Ok);
}

void TMainUpdateHost::StartProgram(const std::vector<std::string>& arguments) {
  platform::StartProcess(arguments);  // a failed start is not the user's business
}

void TMainUpdateHost::CloseMainWindow() { window_.close(); }
