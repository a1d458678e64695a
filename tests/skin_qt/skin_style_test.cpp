// The style: which controls wear their skin entry, and what it draws.
#include <gtest/gtest.h>

#include <QPainter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTreeWidget>
#include <QPushButton>
#include <QToolButton>

#include "skin/SkinComposition.h"
#include "skin/qt/SkinDrawing.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinStyle.h"
#include "skin/SkinStreams.h"
#include "skin_qt/SkinQtFixture.h"

namespace {

using skin::qt::TskSkinStyle;

class SkinStyleTest : public skinqttest::TDefaultSkinTest {
 protected:
  static QImage Rendered(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

QPushButton* NamedButton(const char* element, QWidget* parent) {
  auto* button = new QPushButton(QStringLiteral("Go"), parent);
  button->setProperty("SkinDataName", QString::fromLatin1(element));
  button->setGeometry(0, 0, 80, 22);
  return button;
}

TEST_F(SkinStyleTest, AControlWhoseEntryTheSkinLacksKeepsTheStandardLook) {
  QWidget window;
  QPushButton* skinned = NamedButton("button", &window);
  QPushButton* unknown = NamedButton("nosuchentry", &window);
  const QImage skinned_look = Rendered(*skinned);
  const QImage unknown_look = Rendered(*unknown);
  TskSkinStyle::Installed().SetSkin(nullptr);
  EXPECT_EQ(Rendered(*unknown), unknown_look) << "an entry the skin lacks draws as without skin";
  EXPECT_NE(Rendered(*skinned), skinned_look) << "the entry the skin has changes the look";
}

TEST_F(SkinStyleTest, ButtonsShowThePictureOfTheirState) {
  const auto* entry = dynamic_cast<const TskDataSkinButtonControl*>(data->FindControl("button"));
  ASSERT_NE(entry, nullptr);
  const QImage picture = skin::qt::WrapBitmap(data->ActivePictures()[entry->PictureIndex]);
  QWidget window;
  QPushButton* button = NamedButton("button", &window);
  // A corner pixel comes from the corner piece of the state's rectangle.
  const auto corner = [&](const skin::Rect& state) { return picture.pixel(state.left + 1, state.top + 1) | 0xFF000000u; };
  EXPECT_EQ(Rendered(*button).pixel(1, 1), corner(entry->SkinRect));
  button->setEnabled(false);
  EXPECT_EQ(Rendered(*button).pixel(1, 1), corner(entry->DisabledSkinRect));
  button->setEnabled(true);
  button->setDown(true);
  EXPECT_EQ(Rendered(*button).pixel(1, 1), corner(entry->DownSkinRect));
}

TEST_F(SkinStyleTest, AKindOneEntryAtItsOwnSizeIsItsSkinRectanglePixelForPixel) {
  const auto* panel = dynamic_cast<const TskDataSkinPanelControl*>(data->FindControl("panel"));
  ASSERT_NE(panel, nullptr);
  const skin::Rect& s = panel->SkinRect;
  const QImage composed =
      TskSkinStyle::Installed().Pieces()->Entry(*panel, s, QSize(s.Width(), s.Height()), true).toImage();
  const QImage picture = skin::qt::WrapBitmap(data->ActivePictures()[panel->PictureIndex]);
  EXPECT_EQ(composed.convertToFormat(QImage::Format_RGB32),
            picture.copy(skin::qt::ToQRect(s)).convertToFormat(QImage::Format_RGB32));
}

// A hint picture whose top edge's middle is red in its left half and green
// in its right half.
std::string HintSkin(bool top_stretch) {
  const auto colour = [](int x, int y) -> std::uint32_t {
    if (y >= 4) return 0x808080;
    if (x < 4 || x >= 20) return 0x000000;
    return x < 12 ? 0xFF0000 : 0x00FF00;
  };
  const std::string ini = skintest::SkinIni({}, {}) +
                          "[HINTWINDOW]\r\nwindowpictureindex=0\r\nlefttoppoint=4,4\r\nrighttoppoint=20,4\r\n"
                          "leftbottompoint=4,16\r\nrightbottompoint=20,16\r\nclientrect=4,4,20,16\r\n"
                          "topstretch=" +
                          std::string(top_stretch ? "1" : "0") + "\r\n";
  skintest::StreamPictures pictures;
  pictures.active = {skintest::Bmp24(24, 20, colour)};
  return skintest::CompressedFile(skintest::SkinStream(3, pictures, ini));
}

QImage HintPanel(TskData& data, int width) {
  TskSkinStyle& style = TskSkinStyle::Installed();
  style.SetSkin(&data);
  QImage image(width, 20, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  skin::qt::DrawHintPanel({painter, *style.Pieces()}, data.HintWindow(), image.rect());
  return image;
}

TEST_F(SkinStyleTest, AHintWhoseEntrySetsTopStretchScalesItsTopEdgeInsteadOfRepeatingIt) {
  TskData stretched_skin, tiled_skin;
  skinqttest::LoadSkinBytes(stretched_skin, HintSkin(true));
  skinqttest::LoadSkinBytes(tiled_skin, HintSkin(false));
  // 40 pixels of top edge from a 16 pixel piece: scaled, the red half runs
  // to the middle; repeated, green follows red every 8 pixels.
  const QImage stretched = HintPanel(stretched_skin, 48);
  const QImage tiled = HintPanel(tiled_skin, 48);
  EXPECT_EQ(QColor(stretched.pixel(4 + 15, 1)), QColor(Qt::red));
  EXPECT_EQ(QColor(stretched.pixel(4 + 25, 1)), QColor(Qt::green));
  EXPECT_EQ(QColor(tiled.pixel(4 + 15, 1)), QColor(Qt::green));
  EXPECT_EQ(QColor(tiled.pixel(4 + 17, 1)), QColor(Qt::red));
  TskSkinStyle::Installed().SetSkin(nullptr);
}

}  // namespace

namespace {

TEST_F(SkinStyleTest, AFieldsDropDownButtonIsTheFieldsButtonPicture) {
  const auto* entry = dynamic_cast<const TskDataSkinEditControl*>(data->FindControl("buttonedit"));
  ASSERT_NE(entry, nullptr);
  QLineEdit field;
  field.setProperty("SkinDataName", QStringLiteral("buttonedit"));
  field.resize(120, 22);
  auto* button = new QToolButton(&field);
  button->setArrowType(Qt::DownArrow);
  const skin::Rect& piece = entry->ButtonRect;
  button->setGeometry(120 - piece.Width(), 0, piece.Width(), piece.Height());
  const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage picture = skin::qt::WrapBitmap(data->ActivePictures()[entry->PictureIndex])
                             .copy(skin::qt::ToQRect(piece))
                             .convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, picture);
  // A date field's button is narrower and lower than the picture: the
  // middle of the picture, with its arrow, still shows.
  button->setGeometry(120 - 17, 1, 16, 20);
  const QImage small = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int arrow_pixels = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 16; ++x) arrow_pixels += QColor(small.pixel(x, y)).lightness() < 160;
  EXPECT_GT(arrow_pixels, 6);
}

}  // namespace

namespace {

TEST_F(SkinStyleTest, TheSkinDressesALabelAndGivesItsOwnLookBackWhenItGoes) {
  const auto* entry = dynamic_cast<const TskDataSkinStdLabelControl*>(data->FindControl("stdlabel"));
  ASSERT_NE(entry, nullptr);
  QLabel label(QStringLiteral("Progress:"));
  QFont own_font(QStringLiteral("Arial"));
  own_font.setPixelSize(11);
  own_font.setItalic(true);
  label.setFont(own_font);
  label.setProperty("SkinDataName", QStringLiteral("stdlabel"));
  const QColor own_colour = label.palette().color(QPalette::WindowText);
  label.ensurePolished();
  EXPECT_EQ(label.palette().color(QPalette::WindowText), skin::qt::ToQColor(entry->Font.colour));
  EXPECT_EQ(label.font().family(), skin::qt::ToQFont(entry->Font).family());
  EXPECT_EQ(label.font().bold(), entry->Font.style.bold);
  EXPECT_EQ(label.font().pixelSize(), 11) << "a label keeps the size its layout was made for";

  TskSkinStyle::Installed().SetSkin(nullptr);
  EXPECT_EQ(label.palette().color(QPalette::WindowText), own_colour);
  EXPECT_TRUE(label.font().italic());
}

TEST_F(SkinStyleTest, AGroupBoxKeepsItsContentsInsideTheSkinsBorderAndCaptionBar) {
  const auto* entry = dynamic_cast<const TskDataSkinPanelControl*>(data->FindControl("groupbox"));
  ASSERT_NE(entry, nullptr);
  QGroupBox box(QStringLiteral("Projects"));
  box.setProperty("SkinDataName", QStringLiteral("groupbox"));
  box.resize(201, 342);
  box.ensurePolished();
  QEvent changed(QEvent::StyleChange);
  QApplication::sendEvent(&box, &changed);
  const skin::Rect& s = entry->SkinRect;
  const skin::Rect& c = entry->ClientRect;
  EXPECT_EQ(box.contentsMargins(), QMargins(c.left, c.top, s.Width() - c.right, s.Height() - c.bottom));
}

TEST_F(SkinStyleTest, ListsScrollWithTheSkinsScrollBars) {
  const auto* vertical = dynamic_cast<const TskDataSkinScrollBarControl*>(data->FindControl("vscrollbar"));
  ASSERT_NE(vertical, nullptr);
  QTreeWidget list;
  list.setProperty("SkinDataName", QStringLiteral("listview"));
  list.ensurePolished();
  list.verticalScrollBar()->ensurePolished();
  EXPECT_EQ(list.verticalScrollBar()->sizeHint().width(), vertical->SkinRect.Width());
  // A scroll bar outside any skinned list keeps the standard width.
  QScrollBar loose(Qt::Vertical);
  TskSkinStyle::Installed().SetSkin(nullptr);
  const int standard = loose.sizeHint().width();
  TskSkinStyle::Installed().SetSkin(data.get());
  EXPECT_EQ(loose.sizeHint().width(), standard);
}

TEST_F(SkinStyleTest, PopupMenuItemsAndSeparatorsTakeTheHeightsOfTheirPictures) {
  const int index = data->GetObjectIndex("menuitem");
  ASSERT_GE(index, 0);
  const auto* item = dynamic_cast<const TskDataSkinMenuItem*>(data->SkinObjects()[index].get());
  ASSERT_NE(item, nullptr);
  QMenu menu;
  QAction* first = menu.addAction(QStringLiteral("New Category"));
  QAction* separator = menu.addSeparator();
  menu.addAction(QStringLiteral("New Project"));
  menu.ensurePolished();
  menu.adjustSize();
  EXPECT_EQ(menu.actionGeometry(first).height(), item->SkinRect.Height());
  EXPECT_EQ(menu.actionGeometry(separator).height(), item->DividerRect.Height());
  // The items sit inside the popup picture's border.
  EXPECT_EQ(menu.actionGeometry(first).top(), data->PopupWindow().ItemsRect.top);
}

}  // namespace
