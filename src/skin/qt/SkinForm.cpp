#include "skin/qt/SkinForm.h"

#include <QWidget>

#include "skin/TskData.h"
#include "skin/qt/SkinFrameLayout.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinMask.h"
#include "skin/qt/SkinStyle.h"

// The skin form's life with its window: wearing and dropping the frame,
// the window's shape, and where the caption buttons sit. Painting is in
// SkinFormPaint.cpp, the mouse in SkinFormMouse.cpp.
namespace skin::qt {

QFont TskSkinForm::CaptionFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(15);
  font.setBold(true);
  return font;
}

namespace {

// No frame of the window system's around the skinned one: some window
// managers still draw a title bar for a window that asks for a title or
// caption buttons, even when it asks for no frame.
Qt::WindowFlags SkinnedFlags(Qt::WindowFlags plain) {
  const Qt::WindowFlags decorations = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                      Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                                      Qt::WindowContextHelpButtonHint;
  return (plain & ~decorations) | Qt::FramelessWindowHint;
}

}  // namespace

TskSkinForm::TskSkinForm(QWidget& window, TSkinFormRole role)
    : window_(window), role_(role), membership_(*this), plain_flags_(window.windowFlags()) {
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
  SetFrame(FrameMargins(data.FormInfo(), QSize(data.MainBitmap().width, data.MainBitmap().height)), true);
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
  const Qt::WindowFlags flags = frameless ? SkinnedFlags(plain_flags_) : plain_flags_;
  if (window_.windowFlags() != flags) window_.setWindowFlags(flags);
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

void TskSkinForm::UpdateMask() {
  if (!skin_ || skin_->MaskBitmap().IsEmpty()) {
    window_.clearMask();
    return;
  }
  const platform::Bitmap& mask = skin_->MaskBitmap();
  const std::optional<QRegion> region =
      FittedMaskRegion(mask, WholePicture(mask), FrameGeometry(skin_->FormInfo()), window_.size());
  if (region)
    window_.setMask(*region);
  else
    window_.clearMask();
}

bool TskSkinForm::Shows(Command command) const {
  switch (command) {
    case Command::Close:
    case Command::SysMenu: return true;
    case Command::Minimize: return role_ == TSkinFormRole::MainWindow;
    // A window of fixed size has nothing to maximise.
    case Command::Maximize: return Resizable();
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

}  // namespace skin::qt
