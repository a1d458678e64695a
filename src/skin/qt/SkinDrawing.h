#pragma once
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include "skin/SkinControls.h"
#include "skin/SkinObjects.h"
#include "skin/SkinWindowData.h"
#include "skin/qt/SkinPieces.h"

// One drawing entry per kind of skin entry: what each control kind draws
// from its entry, on top of the composed picture. The style (SkinStyle)
// decides which entry a widget wears and calls these.
namespace skin::qt {

struct TSkinPaint {
  QPainter& painter;
  TskSkinPieces& pieces;
};

// Draws a composed picture into `target`: from its top-left corner, and
// centred across the target where the picture keeps a fixed width or
// height (ComposedOffset).
//
// A control keeps the size its window's layout gives it, even where its
// entry's sizing kind accepts only the skin rectangle's width or height
// (or both): the windows' layouts fix every control's place and size, and
// a button or field that took its entry's height instead would leave the
// places its neighbours were given. The picture keeps the size the kind
// accepts (NewGeometry) and is drawn centred in the control; a mask, if the
// entry has one, is placed the same way and cuts the rest away.
void DrawComposed(QPainter& painter, const QPixmap& pixmap, const QRect& target);

// A state rectangle, or the normal one when the skin leaves it empty.
const Rect& StateOr(const Rect& state, const Rect& normal);

// The mark of the control that holds the keyboard focus (SkinFocus.cpp).
void DrawFocusMark(QPainter& painter, const QRect& rect, const QColor& colour);

// Buttons (SkinButtons.cpp).
void DrawButton(TSkinPaint paint, const TskDataSkinButtonControl& entry, const QRect& rect, QStyle::State state);
QColor ButtonTextColour(const TskDataSkinButtonControl& entry, QStyle::State state);
void DrawCheckImage(TSkinPaint paint, const TskDataSkinCheckRadioControl& entry, const QRect& rect,
                    QStyle::State state);
QSize CheckImageSize(const TskDataSkinCheckRadioControl& entry);
// The drop-down button of an edit or a drop-down list, by its state
// rectangles (normal, active, down, disabled).
void DrawFieldButton(TSkinPaint paint, int picture_index, const Rect& normal, const Rect& active, const Rect& down,
                     const Rect& disabled, const QRect& rect, QStyle::State state);

// Entry fields (SkinFields.cpp).
void DrawEdit(TSkinPaint paint, const TskDataSkinEditControl& entry, const QRect& rect, QStyle::State state);
void DrawComboBox(TSkinPaint paint, const TskDataSkinComboBox& entry, const QRect& rect, const QRect& button,
                  QStyle::State state);
QRect ComboBoxButtonRect(const TskDataSkinComboBox& entry, const QRect& rect);
QRect ComboBoxTextRect(const TskDataSkinComboBox& entry, const QRect& rect);

// Trees, lists and their scroll bars (SkinViews.cpp).
inline constexpr int kTextViewBorder = 2;
void DrawTextViewFrame(TSkinPaint paint, const TskDataSkinControl& entry, const QRect& rect);
void DrawSelectedRow(TSkinPaint paint, const TskDataSkinListBox& entry, const QRect& row, bool focused);
int ScrollBarExtent(const TskDataSkinScrollBarControl& entry, bool vertical);
void DrawScrollBar(TSkinPaint paint, const TskDataSkinScrollBarControl& entry, const QStyleOptionSlider& option,
                   const QStyle& style, const QWidget* widget);
// The square between a list's two bars continues the vertical bar's track.
void DrawScrollCorner(TSkinPaint paint, const TskDataSkinScrollBarControl& vertical, const QRect& rect);

// Panels, frames, pages and bars (SkinContainers.cpp).
void DrawPanel(TSkinPaint paint, const TskDataSkinPanelControl& entry, const QRect& rect, bool bordered);
void DrawGroupBox(TSkinPaint paint, const TskDataSkinPanelControl& entry, const QRect& rect, const QString& caption);
QRect GroupBoxContents(const TskDataSkinPanelControl& entry, const QRect& rect);
QRect GroupBoxCaption(const TskDataSkinPanelControl& entry, const QRect& rect);
void DrawBevel(QPainter& painter, const TskDataSkinBevel& entry, const QRect& rect);
void DrawPageFrame(TSkinPaint paint, const TskDataSkinTabControl& entry, const QRect& rect);
// The skin's tab pictures are drawn for the page control's tabs, which hang
// below the pages.
void DrawTab(TSkinPaint paint, const TskDataSkinTabControl& entry, const QRect& rect, QStyle::State state);
QColor TabTextColour(const TskDataSkinTabControl& entry, QStyle::State state);
void DrawSplitter(TSkinPaint paint, const TskDataSkinSplitterControl& entry, const QRect& rect);
void DrawGauge(TSkinPaint paint, const TskDataSkinGaugeControl& entry, const QRect& rect, int percent,
               const QString& text);
// Where the progress bar of a gauge of `rect`'s size runs at 100 percent.
QRect GaugeProgressArea(const TskDataSkinGaugeControl& entry, const QRect& rect);

// Popup menus and hints (SkinPopups.cpp).
PieceGeometry PopupGeometry(const TskDataSkinPopupWindow& popup);
Rect PopupSkinRect(const TskData& data, const TskDataSkinPopupWindow& popup);
void DrawPopupPanel(TSkinPaint paint, const TskDataSkinPopupWindow& popup, const QRect& rect);
void DrawMenuItem(TSkinPaint paint, const TskDataSkinMenuItem& item, const QStyleOptionMenuItem& option);
QSize MenuItemSize(const TskDataSkinMenuItem& item, const QStyleOptionMenuItem& option, QSize contents);
PieceGeometry HintGeometry(const TskDataSkinHintWindow& hint);
Rect HintSkinRect(const TskData& data, const TskDataSkinHintWindow& hint);
void DrawHintPanel(TSkinPaint paint, const TskDataSkinHintWindow& hint, const QRect& rect);

}  // namespace skin::qt
