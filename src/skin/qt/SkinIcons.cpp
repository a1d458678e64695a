#include "skin/qt/SkinIcons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

#include "skin/TskData.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinLookup.h"

namespace skin::qt {
namespace {

// The skin's accent: the colour its group box captions are written in, or
// its active caption text.
QColor Accent(const TskData& data) {
  if (const auto* box = dynamic_cast<const TskDataSkinPanelControl*>(data.FindControl("groupbox")))
    return ToQColor(box->Font.colour);
  if (const auto* caption = ObjectNamed<TskDataSkinCaption>(data, "caption")) return ToQColor(caption->ActiveFontColor);
  return QColor(Qt::darkGray);
}

QColor GlyphOn(const QColor& badge) {
  return qGray(badge.rgb()) < 150 ? QColor(Qt::white) : QColor(20, 20, 20);
}

QPixmap Draw(const QColor& badge, TMessageSign sign, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(badge);
  const QRectF box(size * 0.06, size * 0.06, size * 0.88, size * 0.88);
  const bool triangle = sign == TMessageSign::Warning || sign == TMessageSign::Critical;
  QRectF glyph_box = box;
  if (triangle) {
    QPainterPath path;
    path.moveTo(box.center().x(), box.top());
    path.lineTo(box.right(), box.bottom());
    path.lineTo(box.left(), box.bottom());
    path.closeSubpath();
    painter.drawPath(path);
    glyph_box.setTop(box.top() + box.height() * 0.3);
  } else {
    painter.drawEllipse(box);
  }
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(std::max(1, static_cast<int>(size * (triangle ? 0.5 : 0.62))));
  painter.setFont(font);
  painter.setPen(GlyphOn(badge));
  const QString glyph = sign == TMessageSign::Information ? QStringLiteral("i")
                        : sign == TMessageSign::Question  ? QStringLiteral("?")
                                                          : QStringLiteral("!");
  painter.drawText(glyph_box, Qt::AlignCenter, glyph);
  return pixmap;
}

}  // namespace

std::optional<TMessageSign> MessageSignOf(QStyle::StandardPixmap icon) {
  switch (icon) {
    case QStyle::SP_MessageBoxInformation: return TMessageSign::Information;
    case QStyle::SP_MessageBoxQuestion: return TMessageSign::Question;
    case QStyle::SP_MessageBoxWarning: return TMessageSign::Warning;
    case QStyle::SP_MessageBoxCritical: return TMessageSign::Critical;
    default: return std::nullopt;
  }
}

QIcon MessageIcon(const TskData& data, TMessageSign sign, int size) {
  size = std::max(size, 8);
  const QColor badge = Accent(data);
  QIcon icon(Draw(badge, sign, size));
  // Sharp on a screen of twice the density as well.
  QPixmap dense = Draw(badge, sign, 2 * size);
  dense.setDevicePixelRatio(2);
  icon.addPixmap(dense);
  return icon;
}

}  // namespace skin::qt
