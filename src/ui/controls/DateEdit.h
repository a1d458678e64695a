#pragma once
#include <QLineEdit>
#include <optional>

#include "ui/controls/DateMask.h"
#include "ui/controls/DateTyping.h"

class QToolButton;

// A date field: the text follows the short date format with blanks for
// single digits (" 7/ 5/2008"). Keys edit it as DateTyping.h describes:
// digits overwrite, separators are skipped, a key that would make a date
// that cannot exist is refused. Its button (and Alt+Down) drops down a month
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
  datemask::TSelection Selection() const;
  // Shows an edit's text and cursor; none leaves the field as it is.
  void Apply(const std::optional<datemask::TFieldText>& edited);
  void EraseSelection(datemask::TEraseDirection direction);

  datemask::TDateMask mask_;
  QToolButton* drop_down_;
};
