#pragma once
#include <QDate>
#include <QWidget>

class QToolButton;

// A month of day numbers under a title with buttons for the previous and
// next year and month; weeks start on Sunday. Clicking a day number of the
// shown month makes it the date and raises NumberClick; the buttons move the
// date by a month or a year, keeping the day of the month (lowered to the
// last day of a shorter month), and raise nothing.
class TskMonthCalendar : public QWidget {
  Q_OBJECT
 public:
  explicit TskMonthCalendar(QWidget* parent);

  QDate Date() const { return date_; }
  void SetDate(QDate date);
  // Where the day number of `day` (in the shown month) is drawn.
  QRect DayRect(QDate day) const;

 signals:
  void NumberClick();
  void MouseEnter();
  void MouseLeave();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QDate FirstShownDay() const;
  QRect GridRect() const;
  QToolButton* AddNavigationButton(const char* name, const QString& text, int months);
  void PlaceNavigationButtons();

  QDate date_;
  QToolButton* prev_year_;
  QToolButton* prev_month_;
  QToolButton* next_month_;
  QToolButton* next_year_;
};
