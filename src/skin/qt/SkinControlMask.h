#pragma once
#include <QObject>
#include <QRegion>
#include <QSize>
#include <optional>

class QWidget;
class TskData;
class TskDataSkinControl;

namespace skin::qt {

class TskSkinStyle;

// The shape `entry`'s mask gives a control of `size`: fitted by the
// entry's sizing kind and placed where the control's picture is drawn
// (DrawComposed). None when the entry has no mask picture.
std::optional<QRegion> ControlMask(const TskData& data, const TskDataSkinControl& entry, QSize size);

// Shapes every skinned control whose entry carries a mask picture, and
// fits the shape again whenever the control's size changes.
class TskControlMasks : public QObject {
  Q_OBJECT
 public:
  explicit TskControlMasks(const TskSkinStyle& style) : style_(style) {}

  // Shapes `control` by the mask of the entry it wears, if any.
  void Shape(QWidget& control);
  // Gives a control this shaped its whole rectangle back.
  void Release(QWidget& control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fit(QWidget& control) const;

  const TskSkinStyle& style_;
};

}  // namespace skin::qt
