#include "ui/controls/DateEdit.h"

#include <QDate>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

#include "platform/ShortDate.h"
#include "ui/controls/Edit.h"
#include "ui/controls/MonthCalendar.h"
#include "ui/controls/OwnedBy.h"
#include "ui/controls/SkinName.h"

namespace {

constexpr int kButtonWidth = 16;

std::u32string Chars(const QString& text) { return text.toStdU32String(); }

// Keeps every other way of changing the text (the context menu, a drop, an
// input method) to what typing could give: a text in the field's form that
// can still become a date. Texts set by the program (a stored date) are
// shown as they are; Qt does not validate those.
class TDateTextValidator : public QValidator {
 public:
  TDateTextValidator(const datemask::TDateMask& mask, QObject* parent) : QValidator(parent), mask_(mask) {}
  State validate(QString& text, int&) const override { return mask_.Admits(Chars(text)) ? Acceptable : Invalid; }

 private:
  const datemask::TDateMask& mask_;
};

datemask::TDate FromQDate(QDate date) { return {date.year(), date.month(), date.day()}; }

}  // namespace

TskDateEdit::TskDateEdit(QWidget* parent) : QLineEdit(parent), mask_(platform::ShortDateFormat()) {
  SetSkinDataName(this, "buttonedit");
  UseEntryFieldLook(this);
  // No maximum length: QLineEdit would cut a stored date or a longer
  // locale's date to it, and typing only ever overwrites, so the text keeps
  // the length of its date form (10 characters for "M/d/yyyy").
  setValidator(OwnedBy<TDateTextValidator>(this, mask_));
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

QString TskDateEdit::TextFor(QDate date) const { return QString::fromStdU32String(mask_.Format(FromQDate(date))); }

void TskDateEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  drop_down_->setGeometry(width() - kButtonWidth - 1, 1, kButtonWidth, height() - 2);
}

datemask::TSelection TskDateEdit::Selection() const {
  if (!hasSelectedText()) {
    const auto cursor = static_cast<size_t>(cursorPosition());
    return {cursor, cursor};
  }
  return {static_cast<size_t>(selectionStart()), static_cast<size_t>(selectionEnd())};
}

void TskDateEdit::Apply(const std::optional<datemask::TFieldText>& edited) {
  if (!edited) return;
  setText(QString::fromStdU32String(edited->text));
  setCursorPosition(static_cast<int>(edited->cursor));
}

void TskDateEdit::EraseSelection(datemask::TEraseDirection direction) {
  Apply(datemask::Erase(mask_, Chars(text()), Selection(), direction));
}

void TskDateEdit::keyPressEvent(QKeyEvent* event) {
  if (isReadOnly()) return QLineEdit::keyPressEvent(event);
  if (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier) return DropDown();
  if (event->matches(QKeySequence::Paste)) {
    return Apply(datemask::Paste(mask_, Chars(text()), Selection(), Chars(QGuiApplication::clipboard()->text())));
  }
  if (event->matches(QKeySequence::Cut)) {
    if (hasSelectedText()) QGuiApplication::clipboard()->setText(selectedText());
    return EraseSelection(datemask::TEraseDirection::Forward);
  }
  if (event->key() == Qt::Key_Backspace) return EraseSelection(datemask::TEraseDirection::Backward);
  if (event->key() == Qt::Key_Delete) return EraseSelection(datemask::TEraseDirection::Forward);
  if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) return;
  const QString typed = event->text();
  if (typed.size() == 1 && typed[0].isPrint() && !(event->modifiers() & Qt::ControlModifier))
    return Apply(datemask::Type(mask_, Chars(text()), Selection(), typed[0].unicode()));
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
  if (const auto shown = mask_.Parse(Chars(text())))
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
