#pragma once
#include <QLayout>
#include <QRect>
#include <QSize>
#include <memory>
#include <vector>

// How a control keeps its place when its parent is resized.
enum class TAlign {
  None,    // keeps its distances to the anchored edges (TAnchors)
  Top,     // takes the top edge, at its own height; first added lies highest
  Bottom,  // takes the bottom edge; first added lies lowest
  Left,    // takes the left edge, at its own width; first added lies leftmost
  Right,   // takes the right edge; first added lies rightmost
  Client,  // fills what the docked controls leave
};

struct TAnchors {
  bool left = true;
  bool top = true;
  bool right = false;
  bool bottom = false;
};

// A control that sizes itself to its content (labels, pictures) keeps its
// left edge, or, when its text is right-justified, its right edge.
enum class TAutoSize { Off, KeepLeft, KeepRight };

// Lays out the controls of one parent by docking and anchoring, so that each
// control is declared by the place and size it has at the parent's design
// size and keeps its layout as the window is resized. Docked controls that
// are hidden give their room to the others; Client controls are placed even
// while hidden, so that every page of a page control has its size before it
// is first shown.
class TAlignLayout : public QLayout {
 public:
  TAlignLayout(QSize design_size, QWidget* parent);
  ~TAlignLayout() override;

  // `extent` is the height of a Top or Bottom control, the width of a Left or
  // Right one; a Client control ignores it.
  void AddDocked(QWidget* control, TAlign align, int extent = 0);
  void AddPlaced(QWidget* control, QRect design_rect, TAnchors anchors = {},
                 TAutoSize auto_size = TAutoSize::Off);

  int Extent(const QWidget* control) const;
  void SetExtent(const QWidget* control, int extent);

  void addItem(QLayoutItem* item) override;
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  int count() const override;
  QSize sizeHint() const override;
  QSize minimumSize() const override;
  void setGeometry(const QRect& rect) override;

 private:
  struct Entry {
    std::unique_ptr<QLayoutItem> item;
    TAlign align = TAlign::None;
    int extent = 0;
    QRect design_rect;
    TAnchors anchors;
    TAutoSize auto_size = TAutoSize::Off;
  };
  Entry* Find(const QWidget* control);
  const Entry* Find(const QWidget* control) const;
  QRect PlacedRect(const Entry& entry, const QRect& area) const;

  QSize design_size_;
  std::vector<Entry> entries_;
};

// Lays out `root` and every control inside it at once. Qt lays out hidden
// controls only when they are first shown; the creation steps need the sizes
// the controls will have before the window appears.
void ArrangeNow(QWidget* root);
