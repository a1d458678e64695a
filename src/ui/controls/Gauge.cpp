#include "ui/controls/Gauge.h"

#include <QPainter>
#include <algorithm>

#include "skin/qt/SkinStyle.h"
#include "ui/controls/SkinName.h"

TskGauge::TskGauge(QWidget* parent) : QWidget(parent) { SetSkinDataName(this, "statusgauge"); }

void TskGauge::SetValue(int value) {
  value = std::clamp(value, min_value_, max_value_);
  if (value == value_) return;
  value_ = value;
  update();
}

void TskGauge::SetProgressText(const QString& text) {
  if (text == progress_text_) return;
  progress_text_ = text;
  update();
}

int TskGauge::Percent() const {
  const int range = max_value_ - min_value_;
  return range <= 0 ? 0 : (value_ - min_value_) * 100 / range;
}

QString TskGauge::DisplayText() const {
  QString text;
  if (show_progress_text_) text += progress_text_;
  if (show_percent_) text += QString::number(Percent()) + QLatin1Char('%');
  return text;
}

void TskGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (skin::qt::PaintSkinnedGauge(*this, painter, Percent(), DisplayText())) return;
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  painter.fillRect(rect(), palette().base());
  const QRect inner = rect().adjusted(1, 1, -1, -1);
  QRect bar = inner;
  bar.setWidth(inner.width() * Percent() / 100);
  painter.fillRect(bar, palette().highlight());
  painter.setPen(palette().mid().color());
  painter.drawRect(frame);
  // The text reads in the bar's colour over the empty part and in the
  // highlight's text colour over the filled part.
  painter.setPen(palette().text().color());
  painter.drawText(inner, Qt::AlignCenter, DisplayText());
  painter.setClipRect(bar);
  painter.setPen(palette().highlightedText().color());
  painter.drawText(inner, Qt::AlignCenter, DisplayText());
}
