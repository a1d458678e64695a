#include "ui/controls/Gauge.h"

#include <QPainter>
#include <algorithm>

#include "skin/qt/SkinStyle.h"
#include "ui/controls/SkinName.h"

TskGauge::TskGauge(QWidget* parent) : QWidget(parent) { SetSkinDataName(this, "statusgauge"); }

void TskGauge::SetValue(int value) {
  value = std::clamp(value, 0, 100);
  if (value == value_) return;
  value_ = value;
  update();
}

void TskGauge::SetProgressText(const QString& text) {
  if (text == progress_text_) return;
  progress_text_ = text;
  update();
}

QString TskGauge::DisplayText() const { return progress_text_ + QString::number(value_) + QLatin1Char('%'); }

void TskGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (skin::qt::PaintSkinnedGauge(*this, painter, value_, DisplayText())) return;
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  painter.fillRect(rect(), palette().base());
  const QRect inner = rect().adjusted(1, 1, -1, -1);
  QRect bar = inner;
  bar.setWidth(inner.width() * value_ / 100);
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
