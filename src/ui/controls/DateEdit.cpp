#include "ui/controls/DateEdit.h"

#include <QDate>
#include <QFrame>
#include <QKeyEvent>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

#include "platform/ShortDate.h"
#include "ui/controls/DateMask.h"
#include "ui/controls/Edit.h"
#include "ui/controls/MonthCalendar.h"
#include "ui/controls/OwnedBy.h"
#include "ui/controls/SkinName.h"

namespace {

constexpr int kButtonWidth = 16;

// Refuses every edit that leaves no date, however it comes: a paste from the
// context menu, a drop, an input method. Texts set by the program (a stored
// date) are shown as they are; Qt does not validate those.
class TDateTextValidator : public QValidator {
 public:
  TDateTextValidator(std::string pattern, QObject* parent) : QValidator(parent), pattern_(std::move(pattern)) {}
  State validate(QString& text, int&) const override {
    return datemask::Parse(pattern_, text.toStdString()) ? Acceptable : Invalid;
  }

 private:
  std::string pattern_;
};
datemask::TDate FromQDate(QDate date) { return {date.year(), date.month(), date.day()}; }

}  // namespace

TskDateEdit::TskDateEdit(QWidget* parent) : QLineEdit(parent), pattern_(platform::ShortDateFormat()) {
  SetSkinDataName(this, "buttonedit");
  UseEntryFieldLook(this);
  // No maximum length: QLineEdit would cut a stored date or a longer
  // locale's date to it, and typing only ever overwrites, so the text keeps
  // the length of its date form (10 characters for "M/d/yyyy").
  setValidator(OwnedBy<TDateTextValidator>(this, pattern_));
  setAcceptDrops(false);
  drop_down_ = OwnedBy<QToolButton>(this);
  drop_down_->setObjectName(QStringLiteral("btnDropDown"));
  drop_down_->setArrowType(Qt::DownArrow);
  drop_down_->setFocusPolicy(Qt::NoFocus);
  drop_down_->setCursor(Qt::ArrowCursor);
  setTextMargins(0, 0, kButtonWidth, 0);
  connect(drop_down_, &QToolButton::clicked, this, &TskDateEdit::DropDown);
  setText(TextFor(QDate::currentDate()));
}

QString TskDateEdit::TextFor(QDate date) const {
  return QString::fromStdString(datemask::Format(pattern_, FromQDate(date)));
}

void TskDateEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  drop_down_->setGeometry(width() - kButtonWidth - 1, 1, kButtonWidth, height() - 2);
}

int TskDateEdit::NextDigitSlot(int position) const {
  while (position < text().size() && datemask::IsSeparatorAt(pattern_, static_cast<size_t>(position))) ++position;
  return position;
}

bool TskDateEdit::Overwrite(int position, QChar replacement) {
  if (position < 0 || position >= text().size()) return false;
  QString candidate = text();
  candidate[position] = replacement;
  if (!datemask::Parse(pattern_, candidate.toStdString())) return false;
  setText(candidate);
  return true;
}

void TskDateEdit::keyPressEvent(QKeyEvent* event) {
  if (isReadOnly()) return QLineEdit::keyPressEvent(event);
  const QString typed = event->text();
  if (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier) return DropDown();
  if (event->key() == Qt::Key_Backspace) {
    const int position = cursorPosition() - 1;
    if (position >= 0 && !datemask::IsSeparatorAt(pattern_, static_cast<size_t>(position)) &&
        Overwrite(position, QLatin1Char(' ')))
      setCursorPosition(position);
    return;
  }
  if (event->key() == Qt::Key_Delete) {
    const int position = cursorPosition();
    if (Overwrite(position, QLatin1Char(' '))) setCursorPosition(position);
    return;
  }
  if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) return;
  if (typed.size() == 1 && typed[0].isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
    const QChar c = typed[0];
    if (!c.isDigit() && c != QLatin1Char(' ')) return;
    // Typing over a selection (a field tabbed into is all selected) starts
    // at its first character, as in any other edit.
    const int position = NextDigitSlot(hasSelectedText() ? selectionStart() : cursorPosition());
    if (Overwrite(position, c)) setCursorPosition(NextDigitSlot(position + 1));
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TskDateEdit::DropDown() {
  // The popup frees itself when it closes.
  auto* popup = OwnedBy<QFrame>(this);
  popup->setWindowFlags(Qt::Popup);
  popup->setAttribute(Qt::WA_DeleteOnClose);
  popup->setObjectName(QStringLiteral("DateDropDown"));
  popup->setFrameStyle(QFrame::Box | QFrame::Plain);
  auto* calendar = OwnedBy<TskMonthCalendar>(popup);
  calendar->setObjectName(QStringLiteral("DropDownCalendar"));
  if (const auto shown = datemask::Parse(pattern_, text().toStdString()))
    calendar->SetDate(QDate(shown->year, shown->month, shown->day));
  auto* layout = OwnedBy<QVBoxLayout>(popup);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->addWidget(calendar);
  calendar->setFixedSize(200, 150);
  connect(calendar, &TskMonthCalendar::NumberClick, this, [this, calendar, popup] {
    setText(TextFor(calendar->Date()));
    popup->close();
  });
  popup->move(mapToGlobal(QPoint(0, height())));
  popup->show();
}
