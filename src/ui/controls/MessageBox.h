#pragma once
#include <string>

class QWidget;

enum class TMsgDlgType { Information, Warning };
enum class TMsgDlgButtons { Ok, OkCancel, YesNo };
enum class TModalResult { Ok, Cancel, Yes, No };

// The window's one message box: information boxes captioned "Information",
// warnings captioned "Warning", with OK alone, OK and Cancel, or Yes and No.
// Closing a box through its frame answers Cancel or No. Message and buttons
// use Arial 15 px.
class TskMessageBox {
 public:
  explicit TskMessageBox(QWidget* owner) : owner_(owner) {}

  TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) const;

  // The boxes every command uses.
  void Inform(const std::string& text) const { MessageDlg(text, TMsgDlgType::Information, TMsgDlgButtons::Ok); }
  bool Confirm(const std::string& text) const {
    return MessageDlg(text, TMsgDlgType::Information, TMsgDlgButtons::OkCancel) == TModalResult::Ok;
  }
  // A warning whose safe answer is No: No is also what Enter presses.
  bool AskYesNo(const std::string& text) const {
    return MessageDlg(text, TMsgDlgType::Warning, TMsgDlgButtons::YesNo) == TModalResult::Yes;
  }

 private:
  QWidget* owner_;
};
