#include "ui/controls/MonthCalendar.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include "skin/qt/SkinStyle.h"
#include "ui/controls/OwnedBy.h"
#include "ui/controls/SkinName.h"

namespace {

constexpr int kTitleHeight = 22;
constexpr int kDayNamesHeight = 16;
constexpr int kWeeks = 6;

}  // namespace

TskMonthCalendar::TskMonthCalendar(QWidget* parent) : QWidget(parent), date_(QDate::currentDate()) {
  SetSkinDataName(this, "monthcalendar");
  setAttribute(Qt::WA_Hover);
  setMouseTracking(true);
  prev_year_ = AddNavigationButton("btnPrevYear", QStringLiteral("«"), -12);
  prev_month_ = AddNavigationButton("btnPrevMonth", QStringLiteral("‹"), -1);
  next_month_ = AddNavigationButton("btnNextMonth", QStringLiteral("›"), 1);
  next_year_ = AddNavigationButton("btnNextYear", QStringLiteral("»"), 12);
  resize(200, 150);
}

QToolButton* TskMonthCalendar::AddNavigationButton(const char* name, const QString& text, int months) {
  auto* button = OwnedBy<QToolButton>(this);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(text);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setCursor(Qt::PointingHandCursor);
  // QDate::addMonths keeps the day and lowers it to the last day of a
  // shorter month, which is what the buttons promise.
  connect(button, &QToolButton::clicked, this, [this, months] { SetDate(date_.addMonths(months)); });
  return button;
}

void TskMonthCalendar::SetDate(QDate date) {
  if (!date.isValid() || date == date_) return;
  date_ = date;
  update();
}

void TskMonthCalendar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceNavigationButtons();
}

void TskMonthCalendar::PlaceNavigationButtons() {
  const int size = kTitleHeight - 2;
  prev_year_->setGeometry(1, 1, size, size);
  prev_month_->setGeometry(1 + size, 1, size, size);
  next_month_->setGeometry(width() - 1 - 2 * size, 1, size, size);
  next_year_->setGeometry(width() - 1 - size, 1, size, size);
}

QDate TskMonthCalendar::FirstShownDay() const {
  const QDate first(date_.year(), date_.month(), 1);
  return first.addDays(-(first.dayOfWeek() % 7));  // Sunday is day 7
}

QRect TskMonthCalendar::GridRect() const {
  const int top = kTitleHeight + kDayNamesHeight;
  return QRect(0, top, width(), height() - top);
}

QRect TskMonthCalendar::DayRect(QDate day) const {
  const qint64 offset = FirstShownDay().daysTo(day);
  if (offset < 0 || offset >= 7 * kWeeks) return {};
  const QRect grid = GridRect();
  const int column = static_cast<int>(offset % 7);
  const int row = static_cast<int>(offset / 7);
  const int left = grid.left() + grid.width() * column / 7;
  const int right = grid.left() + grid.width() * (column + 1) / 7;
  const int top = grid.top() + grid.height() * row / kWeeks;
  const int bottom = grid.top() + grid.height() * (row + 1) / kWeeks;
  return QRect(left, top, right - left, bottom - top);
}

void TskMonthCalendar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QString title = QLocale::c().monthName(date_.month()) + QLatin1Char(' ') + QString::number(date_.year());
  const bool skinned = skin::qt::PaintSkinnedCalendar(*this, painter, title);
  if (!skinned) {
    painter.fillRect(rect(), palette().base());
    painter.fillRect(QRect(0, 0, width(), kTitleHeight), palette().button());
    painter.setPen(palette().buttonText().color());
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(0, 0, width(), kTitleHeight), Qt::AlignCenter, title);
  }
  painter.setFont(font());
  painter.setPen(palette().text().color());
  static const char* const kDayNames[] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
  for (int column = 0; column < 7; ++column) {
    const QRect cell(width() * column / 7, kTitleHeight, width() / 7, kDayNamesHeight);
    painter.drawText(cell, Qt::AlignCenter, QString::fromLatin1(kDayNames[column]));
  }
  painter.setPen(palette().mid().color());
  painter.drawLine(0, kTitleHeight + kDayNamesHeight - 1, width(), kTitleHeight + kDayNamesHeight - 1);
  const QDate first = FirstShownDay();
  for (int offset = 0; offset < 7 * kWeeks; ++offset) {
    const QDate day = first.addDays(offset);
    const QRect cell = DayRect(day);
    const bool in_month = day.month() == date_.month();
    if (day == date_) {
      if (!skin::qt::PaintSkinnedSelection(*this, painter, cell.adjusted(1, 1, -1, -1)))
        painter.fillRect(cell.adjusted(1, 1, -1, -1), palette().highlight());
      painter.setPen(palette().highlightedText().color());
    } else {
      painter.setPen(in_month ? palette().text().color() : palette().mid().color());
    }
    painter.drawText(cell, Qt::AlignCenter, QString::number(day.day()));
  }
}

void TskMonthCalendar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint position = event->position().toPoint();
  if (!GridRect().contains(position)) return;
  const QDate first = FirstShownDay();
  for (int offset = 0; offset < 7 * kWeeks; ++offset) {
    const QDate day = first.addDays(offset);
    if (!DayRect(day).contains(position)) continue;
    // Only the numbers of the shown month are day numbers to click.
    if (day.month() != date_.month()) return;
    SetDate(day);
    emit NumberClick();
    return;
  }
}

void TskMonthCalendar::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  emit MouseEnter();
}

void TskMonthCalendar::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  emit MouseLeave();
}
