#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "skin/TskData.h"
#include "skin/qt/SkinForm.h"
#include "skin/qt/SkinFrameLayout.h"
#include "skin/qt/WindowSystemDrag.h"

// What the mouse does on a skinned frame: the caption buttons and the
// system menu, moving by the caption bar and resizing by the borders.
namespace skin::qt {

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
  drag_edges_ = Resizable() && !window_.isMaximized() ? ResizeEdges(at, window_.size(), grip) : Qt::Edges();
  if (drag_edges_ || at.y() < margins_.top()) drag_ = TDrag::Pending;
  drag_start_ = event.globalPosition().toPoint();
  drag_start_geometry_ = window_.geometry();
  return true;
}

void TskSkinForm::StartDrag() {
  QWindow* handle = window_.windowHandle();
  const bool by_system =
      handle && (drag_edges_ ? handle->startSystemResize(drag_edges_) : handle->startSystemMove());
  if (by_system)
    drag_ = TDrag::BySystem;
  else
    drag_ = drag_edges_ ? TDrag::Resize : TDrag::Move;
}

bool TskSkinForm::Drag(QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  const QPoint moved = event.globalPosition().toPoint() - drag_start_;
  if (drag_ == TDrag::Pending) {
    if (!(event.buttons() & Qt::LeftButton)) drag_ = TDrag::None;
    else if (moved.manhattanLength() < QApplication::startDragDistance())
      return true;
    else
      StartDrag();
  }
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
  if (drag_ == TDrag::BySystem) CancelWindowSystemDrag(window_);
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
