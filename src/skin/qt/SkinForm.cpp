#include "skin/qt/SkinForm.h"

#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include "skin/SkinComposition.h"
#include "skin/TskData.h"
#include "skin/qt/SkinDrawing.h"
#include "skin/qt/SkinFrameLayout.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinMask.h"
#include "skin/qt/SkinStyle.h"

namespace skin::qt {
namespace {

QSize PictureSize(const platform::Bitmap& picture) { return QSize(picture.width, picture.height); }

PieceGeometry FrameGeometry(const TskDataSkinFormInfo& info) {
  return {info.LTPoint, info.RTPoint, info.LBPoint, info.RBPoint, info.ClientRect};
}

Rect WholeOf(const platform::Bitmap& picture) { return {0, 0, picture.width, picture.height}; }

const platform::Bitmap* ActivePicture(const TskData& data, int index) {
  const auto& pictures = data.ActivePictures();
  if (index < 0 || index >= static_cast<int>(pictures.size())) return nullptr;
  return &pictures[static_cast<std::size_t>(index)];
}

// The frame of an inactive window: the active picture brightened, darkened,
// greyed or inverted; the effects of other kinds show grey.
QImage InactiveLook(const QImage& active, InactiveEffect effect) {
  QImage look = active.convertToFormat(QImage::Format_ARGB32);
  if (effect == InactiveEffect::Invert) {
    look.invertPixels(QImage::InvertRgb);
    return look;
  }
  for (int y = 0; y < look.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(look.scanLine(y));
    for (int x = 0; x < look.width(); ++x) {
      const QRgb p = row[x];
      int r = qRed(p), g = qGreen(p), b = qBlue(p);
      if (effect == InactiveEffect::Brightness) {
        r += (255 - r) * 2 / 5, g += (255 - g) * 2 / 5, b += (255 - b) * 2 / 5;
      } else if (effect == InactiveEffect::Darkness) {
        r = r * 3 / 5, g = g * 3 / 5, b = b * 3 / 5;
      } else {
        r = g = b = qGray(p);
      }
      row[x] = qRgba(r, g, b, qAlpha(p));
    }
  }
  return look;
}

}  // namespace

QFont TskSkinForm::CaptionFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(15);
  font.setBold(true);
  return font;
}

TskSkinForm::TskSkinForm(QWidget& window, TSkinFormRole role)
    : window_(window), role_(role), membership_(*this) {
  window_.installEventFilter(this);
  window_.setMouseTracking(true);
  if (TskSkinStyle* style = TskSkinStyle::Current(); style && style->Skin()) Wear(*style->Skin());
}

TskSkinForm::~TskSkinForm() {
  window_.removeEventFilter(this);
  // The main window's skin data goes with it; nothing may draw from it after.
  if (role_ == TSkinFormRole::MainWindow)
    if (TskSkinStyle* style = TskSkinStyle::Current(); style && skin_ && style->Skin() == skin_)
      style->ForgetSkin();
}

void TskSkinForm::Attach(QWidget& window) {
  // The window frees its children, this form among them.
  auto form = std::make_unique<TskSkinForm>(window, TSkinFormRole::Dialog);
  form->setParent(&window);
  form.release();
}

void TskSkinForm::OnSkinMessage(SkinMessage message, TskData& skin_data, int) {
  if (message == SkinMessage::SkinChanging) {
    Drop();
    TskSkinStyle::Installed().SetSkin(nullptr);
  } else if (message == SkinMessage::SkinChanged) {
    TskSkinStyle::Installed().SetSkin(&skin_data);
    Wear(skin_data);
  }
}

void TskSkinForm::Wear(const TskData& data) {
  skin_ = &data;
  frame_picture_ = QPixmap();
  if (!plain_palette_) plain_palette_ = window_.palette();
  QPalette palette = *plain_palette_;
  if (const auto* label = dynamic_cast<const TskDataSkinStdLabelControl*>(data.FindControl("stdlabel")))
    palette.setColor(QPalette::WindowText, ToQColor(label->Font.colour));
  window_.setPalette(palette);
  if (data.SkinEmpty() || data.MainBitmap().IsEmpty()) {
    SetFrame(QMargins(), false);
    return;
  }
  SetFrame(FrameMargins(data.FormInfo(), PictureSize(data.MainBitmap())), true);
}

void TskSkinForm::Drop() {
  SetFrame(QMargins(), false);
  if (plain_palette_) window_.setPalette(*plain_palette_);
  plain_palette_.reset();
  skin_ = nullptr;
  hovered_ = pressed_ = nullptr;
  frame_picture_ = QPixmap();
}

void TskSkinForm::SetFrame(QMargins margins, bool frameless) {
  const QSize client = window_.size().shrunkBy(margins_);
  const bool was_visible = window_.isVisible();
  framed_ = frameless;
  if (window_.windowFlags().testFlag(Qt::FramelessWindowHint) != frameless)
    window_.setWindowFlag(Qt::FramelessWindowHint, frameless);
  margins_ = margins;
  window_.setContentsMargins(margins);
  // The controls keep the client size they were laid out for; the frame
  // adds to it.
  const QSize size = client.grownBy(margins);
  if (window_.minimumSize() == window_.maximumSize())
    window_.setFixedSize(size);
  else
    window_.resize(size);
  if (framed_)
    UpdateMask();
  else
    window_.clearMask();
  if (was_visible && !window_.isVisible()) window_.show();
  window_.update();
}

QPixmap TskSkinForm::FramePicture(bool active) {
  if (!frame_picture_.isNull() && frame_picture_.size() == window_.size() && frame_active_ == active)
    return frame_picture_;
  const TskDataSkinFormInfo& info = skin_->FormInfo();
  // An inactive window shows the skin's inactive picture, or the active one
  // dimmed by the skin's effect.
  const bool own_inactive = !active && !skin_->InactiveBitmap().IsEmpty();
  const platform::Bitmap& picture = own_inactive ? skin_->InactiveBitmap() : skin_->MainBitmap();
  const PieceGeometry geometry = FrameGeometry(info);
  const Rect source = WholeOf(picture);
  const FittedGeometry fitted = NewGeometry(1, source, geometry, window_.width(), window_.height());
  const platform::Bitmap composed =
      ComposeSkinImage(picture, source, geometry, fitted.geometry, window_.width(), window_.height(), false);
  const QImage image = WrapBitmap(composed);
  frame_active_ = active;
  if (image.isNull()) return frame_picture_ = QPixmap();
  frame_picture_ = QPixmap::fromImage(!active && !own_inactive && info.AutoRenderingInactiveImage
                                          ? InactiveLook(image, info.InactiveEffect)
                                          : image);
  // The client piece of a frame picture may carry the edge of the caption
  // bar; repeated, it would stripe the window. The client area shows the
  // skin's panel background, or the frame's own client colour.
  QPainter painter(&frame_picture_);
  const QRect client = window_.contentsRect();
  TskSkinStyle* style = TskSkinStyle::Current();
  const auto* panel = dynamic_cast<const TskDataSkinPanelControl*>(skin_->FindControl("panel"));
  if (style && style->Pieces() && panel) {
    DrawPanel({painter, *style->Pieces()}, *panel, client, false);
  } else {
    const Rect& c = skin_->FormInfo().ClientRect;
    const QImage whole = WrapBitmap(picture);
    const QPoint middle((c.left + c.right) / 2, (c.top + c.bottom) / 2);
    if (whole.valid(middle)) painter.fillRect(client, whole.pixelColor(middle));
  }
  return frame_picture_;
}

void TskSkinForm::UpdateMask() {
  if (!skin_ || skin_->MaskBitmap().IsEmpty()) {
    window_.clearMask();
    return;
  }
  const platform::Bitmap& mask = skin_->MaskBitmap();
  const std::optional<QRegion> region =
      FittedMaskRegion(mask, WholeOf(mask), FrameGeometry(skin_->FormInfo()), window_.size());
  if (region)
    window_.setMask(*region);
  else
    window_.clearMask();
}

bool TskSkinForm::Shows(Command command) const {
  switch (command) {
    case Command::Close:
    case Command::SysMenu: return true;
    case Command::Minimize:
    case Command::Maximize: return role_ == TSkinFormRole::MainWindow;
    default: return false;
  }
}

bool TskSkinForm::Resizable() const {
  return role_ == TSkinFormRole::MainWindow && window_.minimumSize() != window_.maximumSize();
}

std::vector<TskSkinForm::TButton> TskSkinForm::Buttons() const {
  std::vector<TButton> buttons;
  if (!skin_) return buttons;
  const int picture_width = skin_->MainBitmap().width;
  for (const auto& object : skin_->SkinObjects()) {
    const auto* button = dynamic_cast<const TskDataSkinStdButton*>(object.get());
    if (!button || !Shows(button->Command)) continue;
    buttons.push_back({button, PlaceFrameObject(button->SkinRect, picture_width, window_.width())});
  }
  return buttons;
}

std::optional<QRect> TskSkinForm::ButtonPlace(Command command) const {
  for (const TButton& button : Buttons())
    if (button.object->Command == command) return button.place;
  return std::nullopt;
}

const TskDataSkinStdButton* TskSkinForm::ButtonAt(QPoint point) const {
  for (const TButton& button : Buttons())
    if (button.place.contains(point)) return button.object;
  return nullptr;
}

void TskSkinForm::Paint() {
  QPainter painter(&window_);
  const bool active = window_.isActiveWindow();
  const QPixmap frame = FramePicture(active);
  if (!frame.isNull()) painter.drawPixmap(0, 0, frame);
  const TskDataSkinFormInfo& info = skin_->FormInfo();
  const bool dimmed = !active && skin_->InactiveBitmap().IsEmpty() && info.AutoRenderingInactiveImage;

  const bool maximized = window_.isMaximized();
  int text_right = window_.width() - margins_.right();
  for (const TButton& button : Buttons()) {
    // The caption ends where the first button right of it begins.
    if (button.place.left() > window_.width() / 2) text_right = std::min(text_right, button.place.left() - 4);
    const TskDataSkinStdButton& b = *button.object;
    const platform::Bitmap* picture = ActivePicture(*skin_, b.ActivePictureIndex);
    if (!picture) continue;  // drawn into the frame picture itself
    const bool restore = maximized && b.Command == Command::Maximize;
    Rect piece = restore ? StateOr(b.RestoreRect, b.SkinRectInAPicture) : b.SkinRectInAPicture;
    if (pressed_ == &b && hovered_ == &b)
      piece = restore ? StateOr(b.RestoreDownRect, piece) : StateOr(b.DownRect, piece);
    else if (hovered_ == &b)
      piece = restore ? StateOr(b.RestoreActiveRect, piece) : StateOr(b.ActiveSkinRect, piece);
    else if (!active)
      piece = restore ? StateOr(b.RestoreInactiveRect, piece) : StateOr(b.InactiveSkinRect, piece);
    const platform::Bitmap pixels = CopySkinImage(*picture, piece);
    const QImage image = WrapBitmap(pixels);
    if (image.isNull()) continue;
    // The buttons dim with the frame they sit on.
    painter.drawImage(button.place.topLeft(), dimmed && hovered_ != &b ? InactiveLook(image, info.InactiveEffect) : image);
  }
  PaintCaption(painter, text_right);
}

void TskSkinForm::PaintCaption(QPainter& painter, int text_right) const {
  const TskDataSkinCaption* caption = nullptr;
  for (const auto& object : skin_->SkinObjects())
    if ((caption = dynamic_cast<const TskDataSkinCaption*>(object.get()))) break;
  if (!caption) return;
  QRect text = PlaceCaption(skin_->FormInfo().CaptionRect, skin_->MainBitmap().width, window_.width());
  if (text.isEmpty()) text = PlaceCaption(caption->SkinRect, skin_->MainBitmap().width, window_.width());
  text.setLeft(text.left() + caption->TextRect.left);
  text.setRight(std::min(text.right(), text_right));
  if (text.width() <= 0) return;
  const Qt::Alignment horizontal = caption->Alignment == Alignment::Center        ? Qt::AlignHCenter
                                   : caption->Alignment == Alignment::LeftJustify ? Qt::AlignLeft
                                                                                  : Qt::AlignRight;
  const bool active = window_.isActiveWindow();
  painter.setFont(CaptionFont());
  const QString title = painter.fontMetrics().elidedText(window_.windowTitle(), Qt::ElideRight, text.width());
  const int flags = horizontal | Qt::AlignVCenter | Qt::TextSingleLine;
  if (caption->Shadow) {
    painter.setPen(ToQColor(active ? caption->ActiveShadowColor : caption->ShadowColor));
    painter.drawText(text.translated(1, 1), flags, title);
  }
  painter.setPen(ToQColor(active ? caption->ActiveFontColor : caption->Font.colour));
  painter.drawText(text, flags, title);
}

void TskSkinForm::RunCommand(Command command, QPoint where) {
  switch (command) {
    case Command::Close: window_.close(); break;
    case Command::Minimize: window_.showMinimized(); break;
    case Command::Maximize: window_.isMaximized() ? window_.showNormal() : window_.showMaximized(); break;
    case Command::SysMenu: {
      QMenu menu(&window_);
      if (Shows(Command::Maximize)) {
        menu.addAction(QStringLiteral("Restore"), &window_, &QWidget::showNormal)->setEnabled(window_.isMaximized());
        menu.addAction(QStringLiteral("Minimize"), &window_, &QWidget::showMinimized);
        menu.addAction(QStringLiteral("Maximize"), &window_, &QWidget::showMaximized)
            ->setEnabled(!window_.isMaximized());
        menu.addSeparator();
      }
      menu.addAction(QStringLiteral("Close"), &window_, &QWidget::close);
      menu.exec(window_.mapToGlobal(where));
      break;
    }
    default: break;
  }
}

bool TskSkinForm::Press(QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return false;
  const QPoint at = event.position().toPoint();
  if (window_.contentsRect().contains(at)) return false;
  if (const TskDataSkinStdButton* button = ButtonAt(at)) {
    pressed_ = button;
    if (button->Command == Command::SysMenu) {
      pressed_ = nullptr;
      RunCommand(Command::SysMenu, PlaceFrameObject(button->SkinRect, skin_->MainBitmap().width, window_.width())
                                       .bottomLeft());
    }
    window_.update();
    return true;
  }
  const int grip = std::max(skin_->FormInfo().BorderWidth, 4);
  const Qt::Edges edges = Resizable() && !window_.isMaximized() ? ResizeEdges(at, window_.size(), grip) : Qt::Edges();
  QWindow* handle = window_.windowHandle();
  if (edges) {
    if (!handle || !handle->startSystemResize(edges)) {
      drag_ = TDrag::Resize;
      drag_edges_ = edges;
    }
  } else if (at.y() < margins_.top()) {
    if (!handle || !handle->startSystemMove()) drag_ = TDrag::Move;
  }
  drag_start_ = event.globalPosition().toPoint();
  drag_start_geometry_ = window_.geometry();
  return true;
}

bool TskSkinForm::Drag(QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  const QPoint moved = event.globalPosition().toPoint() - drag_start_;
  if (drag_ == TDrag::Move) {
    window_.move(drag_start_geometry_.topLeft() + moved);
    return true;
  }
  if (drag_ == TDrag::Resize) {
    QRect g = drag_start_geometry_;
    const QSize least = window_.minimumSizeHint().expandedTo(window_.minimumSize()).expandedTo(QSize(
        margins_.left() + margins_.right() + 1, margins_.top() + margins_.bottom() + 1));
    if (drag_edges_ & Qt::LeftEdge) g.setLeft(std::min(g.left() + moved.x(), g.right() + 1 - least.width()));
    if (drag_edges_ & Qt::RightEdge) g.setRight(std::max(g.right() + moved.x(), g.left() + least.width() - 1));
    if (drag_edges_ & Qt::TopEdge) g.setTop(std::min(g.top() + moved.y(), g.bottom() + 1 - least.height()));
    if (drag_edges_ & Qt::BottomEdge) g.setBottom(std::max(g.bottom() + moved.y(), g.top() + least.height() - 1));
    window_.setGeometry(g);
    return true;
  }
  const TskDataSkinStdButton* hovered = window_.contentsRect().contains(at) ? nullptr : ButtonAt(at);
  if (hovered != hovered_) {
    hovered_ = hovered;
    window_.update(QRect(0, 0, window_.width(), margins_.top()));
  }
  const Qt::Edges edges = Resizable() && !window_.isMaximized() && !window_.contentsRect().contains(at)
                              ? ResizeEdges(at, window_.size(), std::max(skin_->FormInfo().BorderWidth, 4))
                              : Qt::Edges();
  if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
    window_.setCursor(Qt::SizeFDiagCursor);
  else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
    window_.setCursor(Qt::SizeBDiagCursor);
  else if (edges & (Qt::LeftEdge | Qt::RightEdge))
    window_.setCursor(Qt::SizeHorCursor);
  else if (edges & (Qt::TopEdge | Qt::BottomEdge))
    window_.setCursor(Qt::SizeVerCursor);
  else
    window_.unsetCursor();
  return false;
}

bool TskSkinForm::Release(QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return false;
  const bool dragged = drag_ != TDrag::None;
  drag_ = TDrag::None;
  const TskDataSkinStdButton* pressed = pressed_;
  pressed_ = nullptr;
  if (pressed) {
    window_.update();
    if (ButtonAt(event.position().toPoint()) == pressed) RunCommand(pressed->Command, {});
    return true;
  }
  return dragged;
}

bool TskSkinForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_ || !framed_ || !skin_) return false;
  switch (event->type()) {
    case QEvent::Paint: Paint(); return false;
    case QEvent::Resize: UpdateMask(); return false;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::WindowTitleChange:
    case QEvent::WindowStateChange: window_.update(); return false;
    case QEvent::MouseButtonPress: return Press(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseMove: return Drag(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease: return Release(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonDblClick: {
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      if (at.y() >= margins_.top() || ButtonAt(at) || !Shows(Command::Maximize)) return false;
      RunCommand(Command::Maximize, at);
      return true;
    }
    case QEvent::Leave:
      if (hovered_) {
        hovered_ = nullptr;
        window_.update();
      }
      return false;
    default: return false;
  }
}

}  // namespace skin::qt
