#pragma once
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "platform/Bitmap.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinTypes.h"
#include "skin/SkinWindowData.h"

// Where the pieces of a skinned window frame land at the window's size. The
// frame picture shows a window at its design size; the client rectangle of
// FORMINFO says how wide each border is.
namespace skin::qt {

// The frame picture's corner points and client rectangle.
PieceGeometry FrameGeometry(const TskDataSkinFormInfo& info);

// The whole of a picture as a skin rectangle.
Rect WholePicture(const platform::Bitmap& picture);

// The widths of the frame's borders: the client rectangle's distances to the
// picture's edges.
QMargins FrameMargins(const TskDataSkinFormInfo& info, QSize picture);

// An object of the frame (a caption button) at a window of `window_width`:
// objects in the right half of the picture keep their distance to the right
// edge, the others to the left edge.
QRect PlaceFrameObject(const Rect& object, int picture_width, int window_width);

// The caption's text area: its left edge stays, its right edge follows the
// window's right edge.
QRect PlaceCaption(const Rect& caption, int picture_width, int window_width);

// The window edges a press at `point` resizes: within `grip` pixels of an
// edge of a window of `size`. None inside.
Qt::Edges ResizeEdges(QPoint point, QSize size, int grip);

}  // namespace skin::qt
