#pragma once
#include <QDialog>
#include <string>

class TskButton;
class TskEdit;
class TskMessageBox;
class TAlignLayout;

// What the four entry dialogs share: a fixed frame centred on the screen
// with only a close button, "Ok" (skButton1) that checks the name field and
// "Cancel" (skButton2), neither of them pressed by Enter or Escape typed in
// a field. The dialog only collects and checks; its caller reads the fields.
class TEntryDialog : public QDialog {
  Q_OBJECT
 public:
  TskButton* skButton1;
  TskButton* skButton2;
  TskEdit* edtName;

  // The OK check: a name that is blank once blanks and control characters
  // are trimmed is refused with the dialog's message, and the focus goes
  // back to the name field; anything else closes the dialog with OK.
  void skButton1Click();

 protected:
  TEntryDialog(const QString& caption, QSize client_size, std::string refusal,
               const TskMessageBox& messages, QWidget* parent);

  TAlignLayout* Layout() const { return layout_; }
  // Places the buttons and the name field; call once the dialog's own
  // fields exist, in its focus order.
  void PlaceButtons(QRect ok, QRect cancel);
  void SetFocusOrder(std::initializer_list<QWidget*> order);

  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  std::string refusal_;
  const TskMessageBox& messages_;
  TAlignLayout* layout_;
  QWidget* first_focus_ = nullptr;
};
