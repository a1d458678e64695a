#include "ui/controls/PageControl.h"

#include <QEvent>
#include <QFrame>
#include <QTabBar>

#include "ui/controls/AlignLayout.h"
#include "ui/controls/OwnedBy.h"
#include "ui/controls/SkinName.h"

namespace {

// The frame around the pages is one pixel wide, so a page is two pixels
// narrower than the control.
class TPageArea : public QFrame {
 public:
  explicit TPageArea(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
  }
};

}  // namespace

TskTabSheet::TskTabSheet(QWidget* parent) : QWidget(parent) {}

TskPageControl::TskPageControl(QWidget* parent) : QWidget(parent) {
  SetSkinDataName(this, "tab");
  tabs_ = OwnedBy<QTabBar>(this);
  tabs_->setFont(ArialPixels(14));
  tabs_->setShape(QTabBar::RoundedSouth);
  tabs_->setCursor(Qt::PointingHandCursor);
  tabs_->setDrawBase(false);
  tabs_->setExpanding(false);
  page_area_ = OwnedBy<TPageArea>(this);
  auto* layout = OwnedBy<TAlignLayout>(this, QSize(100, 100));
  layout->AddDocked(tabs_, TAlign::Bottom, tabs_->sizeHint().height());
  layout->AddDocked(page_area_, TAlign::Client);
  OwnedBy<TAlignLayout>(page_area_, QSize(100, 100));
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { ShowOnly(index); });
}

TskTabSheet* TskPageControl::AddPage(const QString& caption) {
  auto* page = OwnedBy<TskTabSheet>(page_area_);
  static_cast<TAlignLayout*>(page_area_->layout())->AddDocked(page, TAlign::Client);
  pages_.push_back(page);
  tabs_->addTab(caption);
  static_cast<TAlignLayout*>(layout())->SetExtent(tabs_, tabs_->sizeHint().height());
  ShowOnly(tabs_->currentIndex());
  return page;
}

bool TskPageControl::event(QEvent* event) {
  if (event->type() == QEvent::LayoutRequest)
    static_cast<TAlignLayout*>(layout())->SetExtent(tabs_, tabs_->sizeHint().height());
  return QWidget::event(event);
}

int TskPageControl::ActivePageIndex() const { return tabs_->currentIndex(); }

void TskPageControl::SetActivePageIndex(int index) {
  tabs_->setCurrentIndex(index);
  ShowOnly(index);
}

void TskPageControl::ShowOnly(int index) {
  for (int i = 0; i < PageCount(); ++i) Page(i)->setVisible(i == index);
}
