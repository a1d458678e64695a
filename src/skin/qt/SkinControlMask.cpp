#include "skin/qt/SkinControlMask.h"

#include <QEvent>
#include <QHeaderView>
#include <QTabWidget>
#include <QWidget>

#include "skin/SkinControls.h"
#include "skin/TskData.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinMask.h"
#include "skin/qt/SkinStyle.h"

namespace skin::qt {
namespace {

// Marks the controls whose shape is ours to fit and to take back.
constexpr const char* kShaped = "tarvikSkinMask";

}  // namespace

std::optional<QRegion> ControlMask(const TskData& data, const TskDataSkinControl& entry, QSize size) {
  const auto* custom = dynamic_cast<const TskDataSkinCustomControl*>(&entry);
  const PieceGeometry geometry = custom ? GeometryOf(*custom) : PieceGeometry{};
  const int kind = SizingKind(entry.SkinRect, geometry);
  if (kind < 0 || size.isEmpty()) return std::nullopt;
  const FittedGeometry fitted = NewGeometry(kind, entry.SkinRect, geometry, size.width(), size.height());
  const std::optional<QRegion> region = FittedMaskRegion(data, entry.MaskPictureIndex, entry.SkinRect, geometry, size);
  if (!region) return std::nullopt;
  return region->translated(ComposedOffset(QSize(fitted.width, fitted.height), size));
}

void TskControlMasks::Shape(QWidget& control) {
  const TskData* data = style_.Skin();
  const TskDataSkinControl* entry = style_.EntryOf<TskDataSkinControl>(&control);
  if (!data || !entry || entry->MaskPictureIndex < 0) return;
  // A header draws its entry once per section and a page control its entry
  // around the pages alone, with the tabs outside it: neither is the
  // entry's shape as a whole.
  if (qobject_cast<QHeaderView*>(&control) || qobject_cast<QTabWidget*>(&control)) return;
  if (!control.property(kShaped).toBool()) {
    control.setProperty(kShaped, true);
    control.installEventFilter(this);
  }
  Fit(control);
}

void TskControlMasks::Release(QWidget& control) {
  if (!control.property(kShaped).toBool()) return;
  control.removeEventFilter(this);
  control.setProperty(kShaped, QVariant());
  control.clearMask();
}

void TskControlMasks::Fit(QWidget& control) const {
  const TskData* data = style_.Skin();
  const TskDataSkinControl* entry = style_.EntryOf<TskDataSkinControl>(&control);
  const std::optional<QRegion> mask = data && entry ? ControlMask(*data, *entry, control.size()) : std::nullopt;
  if (mask)
    control.setMask(*mask);
  else
    control.clearMask();
}

bool TskControlMasks::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched->isWidgetType()) Fit(static_cast<QWidget&>(*watched));
  return false;
}

}  // namespace skin::qt
