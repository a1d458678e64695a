#pragma once
#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <optional>
#include <vector>

#include "skin/SkinMessages.h"
#include "skin/SkinObjects.h"

class QMouseEvent;
class QWidget;

namespace skin::qt {

enum class TSkinFormRole {
  // The program's window: minimise and maximise buttons, resizable, and the
  // owner of the skin every window wears.
  MainWindow,
  // A dialog or message box: a close button, and the size its window says.
  Dialog,
};

// The skinned frame of one window (skSkinForm1): the frame picture of
// FORMINFO around the window's controls, the caption text in the skin's
// caption font, the system menu, minimise, maximise and close buttons,
// moving and resizing through the frame, and the frame mask as the
// window's shape. It hears the skin messages: SkinChanging drops the frame,
// SkinChanged puts on the new one, and every window follows at once.
class TskSkinForm : public QObject, public SkinListener {
  Q_OBJECT
 public:
  TskSkinForm(QWidget& window, TSkinFormRole role);
  ~TskSkinForm() override;

  // Gives a dialog or message box a skin form that the window owns; call
  // before the window is first shown.
  static void Attach(QWidget& window);

  void OnSkinMessage(SkinMessage message, TskData& skin_data, int parameter) override;

  // The windows' caption font: the program's own, whatever the skin's
  // caption object says; the skin gives its colours.
  static QFont CaptionFont();

  bool Framed() const { return framed_; }
  QMargins Margins() const { return margins_; }
  // Where each caption button sits at the window's present size.
  std::optional<QRect> ButtonPlace(Command command) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TButton {
    const TskDataSkinStdButton* object;
    QRect place;
  };

  void Wear(const TskData& data);
  void Drop();
  void SetFrame(QMargins margins, bool frameless);
  void Paint();
  void PaintCaption(QPainter& painter, int text_right) const;
  void UpdateMask();
  QPixmap FramePicture(bool active);
  std::vector<TButton> Buttons() const;
  const TskDataSkinStdButton* ButtonAt(QPoint point) const;
  bool Shows(Command command) const;
  bool Resizable() const;

  bool Press(QMouseEvent& event);
  bool Drag(QMouseEvent& event);
  bool Release(QMouseEvent& event);
  void RunCommand(Command command, QPoint where);

  QWidget& window_;
  TSkinFormRole role_;
  SkinFormMembership membership_;
  const TskData* skin_ = nullptr;
  // The window's own flags, which it wears again without a skin.
  Qt::WindowFlags plain_flags_;
  bool framed_ = false;
  QMargins margins_;
  std::optional<QPalette> plain_palette_;

  QPixmap frame_picture_;
  bool frame_active_ = true;
  const TskDataSkinStdButton* hovered_ = nullptr;
  const TskDataSkinStdButton* pressed_ = nullptr;

  // A press on the caption or a border waits for the pointer to move
  // (Pending) before the window system is asked to move or resize: asked
  // at the press, it may take the pointer only after a quick click has
  // already been released, and the window would then follow the pointer
  // with no button held. Where the window system will not do it, the form
  // moves or resizes the window itself (Move, Resize).
  // A release while the window system runs it (BySystem) means that the
  // window system took the pointer too late.
  enum class TDrag { None, Pending, BySystem, Move, Resize };
  void StartDrag();
  TDrag drag_ = TDrag::None;
  Qt::Edges drag_edges_;
  QPoint drag_start_;
  QRect drag_start_geometry_;
};

}  // namespace skin::qt
