#pragma once
#include <string>

class QWidget;

enum class TMsgDlgType { Information, Warning };
enum class TMsgDlgButtons { Ok, OkCancel };
enum class TModalResult { Ok, Cancel };

// The window's one message box: information boxes captioned "Information",
// warnings captioned "Warning", with OK alone or OK and Cancel. Closing a box
// through its frame answers Cancel. Message and buttons use Arial 15 px.
class TskMessageBox {
 public:
  explicit TskMessageBox(QWidget* owner) : owner_(owner) {}

  TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) const;

  // The boxes every command uses.
  void Inform(const std::string& text) const { MessageDlg(text, TMsgDlgType::Information, TMsgDlgButtons::Ok); }
  bool Confirm(const std::string& text) const {
    return MessageDlg(text, TMsgDlgType::Information, TMsgDlgButtons::OkCancel) == TModalResult::Ok;
  }

 private:
  QWidget* owner_;
};
