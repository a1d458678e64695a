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

  int MinValue() const { return min_value_; }
  int MaxValue() const { return max_value_; }
  int Value() const { return value_; }
  void SetValue(int value);
  const QString& ProgressText() const { return progress_text_; }
  void SetProgressText(const QString& text);
  // What the bar reads: the progress text, then the percentage when shown.
  QString DisplayText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int Percent() const;

  int min_value_ = 0;
  int max_value_ = 100;
  int value_ = 0;
  QString progress_text_;
  bool show_progress_text_ = true;
  bool show_percent_ = true;
};
