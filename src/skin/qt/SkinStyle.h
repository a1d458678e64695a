#pragma once
#include <QProxyStyle>
#include <memory>

#include "skin/qt/SkinPieces.h"

class TskData;
class TskDataSkinControl;
class TskDataSkinScrollBarControl;

namespace skin::qt {

class TskControlMasks;

// The look of every control of the program. A control names the skin entry
// it wears in its Qt property "SkinDataName"; while a skin is loaded and has
// that entry, the control is drawn from it, and otherwise in the standard
// look underneath. Installed once on the application, so that every window,
// the dialogs and message boxes included, follows a skin change at once.
class TskSkinStyle : public QProxyStyle {
  Q_OBJECT
 public:
  TskSkinStyle();
  ~TskSkinStyle() override;

  // The application's skin style, installed at the first call.
  static TskSkinStyle& Installed();
  // The installed one, or none.
  static TskSkinStyle* Current();

  // Wears `data` (none: the standard look) and redraws every window.
  void SetSkin(const TskData* data);
  const TskData* Skin() const { return skin_; }
  // Lets go of the worn skin without redrawing: its holder is going away
  // together with the windows that wore it.
  void ForgetSkin();
  // The composed pictures of the worn skin; none without a skin.
  TskSkinPieces* Pieces() { return pieces_.get(); }

  // The entry `widget` wears, of kind Entry: by its own SkinDataName, or
  // by `name` when given.
  template <typename Entry>
  const Entry* EntryOf(const QWidget* widget, const char* name = nullptr) const {
    return dynamic_cast<const Entry*>(FindEntry(widget, name));
  }

  // The skin entry name `widget` wears: its SkinDataName, or for the list
  // a drop-down list opens, the list box entry the drop-down list's entry
  // names.
  QString EntryNameOf(const QWidget* widget) const;

  void polish(QWidget* widget) override;
  void unpolish(QWidget* widget) override;
  using QProxyStyle::polish;
  using QProxyStyle::unpolish;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override;
  QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                         const QWidget* widget) const override;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;

 private:
  const TskDataSkinControl* FindEntry(const QWidget* widget, const char* name) const;
  bool DrawSkinnedPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const;
  bool DrawSkinnedControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const;
  bool DrawSkinnedComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                 const QWidget* widget) const;
  bool DrawSkinnedFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
  // SkinPalette.cpp: the colours and fonts of a skinned widget.
  void ApplySkinColours(QWidget* widget) const;
  // SkinScrollBars.cpp: the entry a list's scroll bar wears; the entry of
  // the list it scrolls.
  const TskDataSkinScrollBarControl* ScrollBarEntry(const QWidget* bar, Qt::Orientation orientation) const;
  const TskDataSkinControl* ScrolledListEntry(const QWidget* widget) const;
  bool DrawScrollCorner(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
  void RedrawAll();

  const TskData* skin_ = nullptr;
  std::unique_ptr<TskSkinPieces> pieces_;
  std::unique_ptr<TskControlMasks> masks_;
};

// For controls that paint themselves: draws `control` from the entry named
// by its SkinDataName and says whether it did; false means the control
// draws its standard look.
bool PaintSkinnedPanel(const QWidget& control, QPainter& painter, bool bordered);
bool PaintSkinnedSplitter(const QWidget& control, QPainter& painter);
bool PaintSkinnedGauge(const QWidget& control, QPainter& painter, int percent, const QString& text);
// A month calendar wears a panel entry with a caption bar, which holds the
// month's title; the chosen day is marked as a selected list row.
bool PaintSkinnedCalendar(const QWidget& control, QPainter& painter, const QString& title);
bool PaintSkinnedSelection(const QWidget& control, QPainter& painter, const QRect& rect);

}  // namespace skin::qt
