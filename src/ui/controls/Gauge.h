#pragma once
#include <QString>
#include <QWidget>

// A horizontal progress bar that writes one line centred on it: the progress
// text followed by the percentage, "2/3 tasks  67%" (skin element
// "statusgauge").
class TskGauge : public QWidget {
  Q_OBJECT
 public:
  explicit TskGauge(QWidget* parent);

  // The range is 0 to 100, so the value is the percentage shown.
  int Value() const { return value_; }
  void SetValue(int value);
  void SetProgressText(const QString& text);
  // What the bar reads: the progress text, then the percentage.
  QString DisplayText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int value_ = 0;
  QString progress_text_;
};
