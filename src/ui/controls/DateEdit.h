#pragma once
#include <QLineEdit>
#include <string>

class QToolButton;

// A date field: the text follows the short date format with blanks for
// single digits (" 7/ 5/2008"), typing overwrites digit by digit, and a key
// that would make the text no date is refused. Its button drops down a month
// calendar. Callers read and write the text as shown; a text set from
// outside (a stored date) is shown unchanged. Skin element "buttonedit".
class TskDateEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TskDateEdit(QWidget* parent);

  // The text for a calendar date in this field's form.
  QString TextFor(QDate date) const;
  QToolButton* DropDownButton() const { return drop_down_; }
  void DropDown();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Puts `replacement` over the character at `position`, if the result is
  // still a date; returns whether it did.
  bool Overwrite(int position, QChar replacement);
  int NextDigitSlot(int position) const;

  std::string pattern_;
  QToolButton* drop_down_;
};
