// Skinned controls beyond their pictures: the shape a mask gives them, the
// size a fixed entry keeps inside them, the scroll bars lists name, the
// drop-down list's list and the message box's sign.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QTest>
#include <QTreeWidget>

#include "skin/SkinStreams.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinStyle.h"
#include "skin_qt/SkinQtFixture.h"

namespace {

using skin::qt::TskSkinStyle;

constexpr std::uint32_t kFace = 0x336699, kStrip = 0x00AA00, kList = 0xF0F0F0;
constexpr std::uint32_t kVertical = 0xCC0000, kHorizontal = 0x00CC00, kBoth = 0x0000CC, kBoxBar = 0xCCCC00;

// Picture 0 holds every piece; each is one colour, so a pixel tells which
// piece was drawn. The button's mask comes as a picture of its own size
// (picture 1) or laid out like picture 0 (picture 2, the same shape at the
// button's place).
std::uint32_t Atlas(int x, int y) {
  if (y < 10) return x < 20 ? kFace : 0xFFFFFF;
  if (y < 20) return x < 20 ? kStrip : 0xFFFFFF;
  if (y < 30) return kList;
  if (y < 46) return x < 16 ? kVertical : x < 36 ? kHorizontal : kBoth;
  return kBoxBar;
}

// Black but for a white 2 x 2 square in each corner.
std::uint32_t ButtonShape(int x, int y) {
  const bool corner = (x < 2 || x >= 18) && (y < 2 || y >= 8);
  return corner ? 0xFFFFFF : 0x000000;
}

std::string ControlSkin(bool atlas_mask) {
  const std::string button_at = atlas_mask ? "skinrect=0,0,20,10\r\nmaskpictureindex=2\r\n"
                                           : "skinrect=0,0,20,10\r\nmaskpictureindex=1\r\n";
  const std::string sections =
      "[button]\r\npictureindex=0\r\n" + button_at +
      "lefttoppoint=4,2\r\nrighttoppoint=16,2\r\nleftbottompoint=4,8\r\nrightbottompoint=16,8\r\n"
      "clientrect=4,2,16,8\r\n"
      // Sizable in width only: the control keeps the strip's 10 rows.
      "[strip]\r\npictureindex=0\r\nmaskpictureindex=3\r\nskinrect=0,10,20,20\r\n"
      "lefttoppoint=4,0\r\nrighttoppoint=16,0\r\nclientrect=4,0,16,10\r\n"
      "[listview]\r\npictureindex=0\r\nskinrect=0,20,20,30\r\nbgcolor=16777215\r\n"
      "[listbox]\r\npictureindex=0\r\nskinrect=0,20,20,30\r\nlefttoppoint=2,2\r\nrighttoppoint=18,2\r\n"
      "leftbottompoint=2,8\r\nrightbottompoint=18,8\r\nclientrect=2,2,18,8\r\nvscrollbarname=boxbar\r\n"
      "[vscrollbar]\r\npictureindex=0\r\nskinrect=0,30,16,46\r\nlefttoppoint=0,4\r\nleftbottompoint=0,12\r\n"
      "clientrect=0,4,16,12\r\n"
      "[boxbar]\r\npictureindex=0\r\nskinrect=0,46,16,62\r\nlefttoppoint=0,4\r\nleftbottompoint=0,12\r\n"
      "clientrect=0,4,16,12\r\n"
      "[hscrollbar]\r\npictureindex=0\r\nskinrect=20,30,36,46\r\nlefttoppoint=4,0\r\nrighttoppoint=12,0\r\n"
      "clientrect=4,0,12,16\r\n"
      "[bothhscrollbar]\r\npictureindex=0\r\nskinrect=40,30,56,46\r\nlefttoppoint=4,0\r\nrighttoppoint=12,0\r\n"
      "clientrect=4,0,12,16\r\n";
  const std::string ini = skintest::SkinIni({}, {"button:button", "strip:button", "listview:listview",
                                                 "listbox:listbox", "vscrollbar:scrollbar", "boxbar:scrollbar",
                                                 "hscrollbar:scrollbar", "bothhscrollbar:scrollbar"},
                                            sections);
  skintest::StreamPictures pictures;
  pictures.active = {skintest::Bmp24(64, 64, Atlas), skintest::Bmp24(20, 10, ButtonShape),
                     skintest::Bmp24(64, 64,
                                     [](int x, int y) { return x < 20 && y < 10 ? ButtonShape(x, y) : 0xFFFFFF; }),
                     skintest::Bmp24(20, 10, [](int, int) { return 0x000000u; })};
  return skintest::CompressedFile(skintest::SkinStream(3, pictures, ini));
}

class SkinControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skinqttest::App();
    skinqttest::LoadSkinBytes(data, ControlSkin(false));
    ASSERT_FALSE(data.SkinEmpty());
    TskSkinStyle::Installed().SetSkin(&data);
  }
  void TearDown() override { TskSkinStyle::Installed().SetSkin(nullptr); }

  static QPushButton* Named(const char* entry, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setProperty("SkinDataName", QString::fromLatin1(entry));
    return button;
  }
  static QColor Shown(QWidget& widget, QPoint at) { return widget.grab().toImage().pixelColor(at); }
  static QColor Rgb(std::uint32_t rgb) { return QColor::fromRgb(rgb); }

  TskData data;
};

TEST_F(SkinControlTest, AMaskShapesTheControlAndFollowsItsSize) {
  QWidget window;
  QPushButton* button = Named("button", &window);
  button->resize(40, 20);
  button->ensurePolished();
  const QRegion shape = button->mask();
  ASSERT_FALSE(shape.isEmpty());
  // The white corners are cut away at the new size; the borders between
  // them and the client area stay.
  EXPECT_FALSE(shape.contains(QPoint(0, 0)));
  EXPECT_FALSE(shape.contains(QPoint(39, 19)));
  EXPECT_TRUE(shape.contains(QPoint(2, 0)));
  EXPECT_TRUE(shape.contains(QPoint(0, 2)));
  EXPECT_TRUE(shape.contains(QPoint(20, 10)));
  // A shown control hears its resizes at once.
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  button->resize(60, 30);
  EXPECT_FALSE(button->mask().contains(QPoint(59, 29)));
  EXPECT_TRUE(button->mask().contains(QPoint(57, 29)));
  // Without the skin the control has its whole rectangle again.
  TskSkinStyle::Installed().SetSkin(nullptr);
  EXPECT_TRUE(button->mask().isEmpty());
}

TEST_F(SkinControlTest, AMaskLaidOutLikeThePictureGivesTheSameShapeAsOneOfThePiecesSize) {
  QWidget window;
  QPushButton* own = Named("button", &window);
  own->resize(40, 20);
  own->ensurePolished();
  const QRegion from_own_picture = own->mask();
  TskData atlas;
  skinqttest::LoadSkinBytes(atlas, ControlSkin(true));
  TskSkinStyle::Installed().SetSkin(&atlas);
  EXPECT_EQ(own->mask(), from_own_picture);
}

TEST_F(SkinControlTest, AFixedHeightEntryKeepsItsHeightCentredInTheControlsOwnSize) {
  QWidget window;
  QPushButton* button = Named("strip", &window);
  button->setGeometry(0, 0, 40, 30);
  button->ensurePolished();
  // The window's layout decides the control's size; the strip keeps its 10
  // rows in the middle of it, and its mask cuts away the rest.
  EXPECT_EQ(button->size(), QSize(40, 30));
  EXPECT_EQ(Shown(*button, {20, 15}), Rgb(kStrip));
  EXPECT_EQ(button->mask(), QRegion(0, 10, 40, 10));
}

// A list showing both scroll bars: 60 rows and a column far wider than it.
std::unique_ptr<QTreeWidget> ScrolledList() {
  auto list = std::make_unique<QTreeWidget>();
  list->setProperty("SkinDataName", QStringLiteral("listview"));
  list->setColumnCount(1);
  for (int i = 0; i < 60; ++i) list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("row %1").arg(i)}));
  list->header()->setStretchLastSection(false);
  list->setColumnWidth(0, 800);
  list->resize(200, 150);
  list->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(list.get()));
  return list;
}

QPoint MiddleOf(const QWidget& bar) { return bar.mapTo(bar.window(), bar.rect().center()); }

TEST_F(SkinControlTest, WithBothBarsShowingTheHorizontalOneIsTheBothEntryAndTheCornerIsSkinned) {
  auto list = ScrolledList();
  QScrollBar* vertical = list->verticalScrollBar();
  QScrollBar* horizontal = list->horizontalScrollBar();
  ASSERT_TRUE(vertical->isVisible() && horizontal->isVisible());
  EXPECT_EQ(Shown(*list, MiddleOf(*vertical)), Rgb(kVertical));
  EXPECT_EQ(Shown(*list, MiddleOf(*horizontal)), Rgb(kBoth));
  const QPoint corner(vertical->mapTo(list.get(), QPoint(vertical->width() / 2, 0)).x(),
                      horizontal->mapTo(list.get(), QPoint(0, horizontal->height() / 2)).y());
  EXPECT_EQ(Shown(*list, corner), Rgb(kVertical)) << "the corner continues the vertical bar's track";

  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QApplication::processEvents();
  EXPECT_EQ(Shown(*list, MiddleOf(*horizontal)), Rgb(kHorizontal));
}

TEST_F(SkinControlTest, AListBoxWearsTheScrollBarItsEntryNames) {
  QListWidget list;
  list.setProperty("SkinDataName", QStringLiteral("listbox"));
  for (int i = 0; i < 60; ++i) list.addItem(QStringLiteral("row %1").arg(i));
  list.resize(150, 120);
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  ASSERT_TRUE(list.verticalScrollBar()->isVisible());
  EXPECT_EQ(list.verticalScrollBar()->width(), 16);
  EXPECT_EQ(Shown(list, MiddleOf(*list.verticalScrollBar())), Rgb(kBoxBar));
}

// The default skin's drop-down list and message box.
class SkinDropDownTest : public skinqttest::TDefaultSkinTest {
 protected:
  // The project dialog's category box, at its stored size.
  static void DressAsCategories(QComboBox& combo) {
    combo.setProperty("SkinDataName", QStringLiteral("combobox"));
    combo.addItems({QStringLiteral("Marketing"), QStringLiteral("SEO")});
    combo.resize(120, 22);
  }
};

TEST_F(SkinDropDownTest, TheDropDownButtonSitsInsideTheFieldsFrame) {
  QComboBox combo;
  DressAsCategories(combo);
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  const QRect button = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &combo);
  ASSERT_FALSE(button.isEmpty());
  EXPECT_TRUE(combo.rect().adjusted(1, 1, -1, -1).contains(button)) << "the frame's line stays whole around it";
  // The field's right border line shows beside the button.
  const auto* entry = dynamic_cast<const TskDataSkinComboBox*>(data->FindControl("combobox"));
  ASSERT_NE(entry, nullptr);
  const QImage picture = skin::qt::WrapBitmap(data->ActivePictures()[entry->PictureIndex]);
  const skin::Rect& s = entry->SkinRect;
  const QColor border = picture.pixelColor(s.right - 1, s.top + s.Height() / 2);
  EXPECT_EQ(combo.grab().toImage().pixelColor(119, 11), border);
}

TEST_F(SkinDropDownTest, TheOpenListWearsTheListBoxTheEntryNames) {
  QComboBox combo;
  DressAsCategories(combo);
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  EXPECT_FALSE(combo.style()->styleHint(QStyle::SH_ComboBox_Popup, &option, &combo)) << "a list, not a menu";
  combo.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
  combo.showPopup();
  QWidget* popup = combo.view()->window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
  EXPECT_EQ(TskSkinStyle::Installed().EntryNameOf(combo.view()), QStringLiteral("listbox"));
  const auto* list = dynamic_cast<const TskDataSkinListBox*>(data->FindControl("listbox"));
  ASSERT_NE(list, nullptr);
  const QImage picture = skin::qt::WrapBitmap(data->ActivePictures()[list->PictureIndex]);
  const skin::Rect& s = list->SkinRect;
  // The list's frame is the list box's border piece, its rows lie on the
  // list box's client colour.
  const QImage shown = popup->grab().toImage();
  EXPECT_EQ(shown.pixelColor(0, shown.height() / 2), picture.pixelColor(s.left, s.top + s.Height() / 2));
  EXPECT_EQ(combo.view()->palette().color(QPalette::Base),
            picture.pixelColor(s.left + s.Width() / 2, s.top + s.Height() / 2));
  combo.hidePopup();
}

TEST_F(SkinDropDownTest, AMessageBoxSignIsDrawnInTheSkinsAccentNotTheStandardOne) {
  QStyle& style = TskSkinStyle::Installed();
  const int size = style.pixelMetric(QStyle::PM_MessageBoxIconSize);
  const QImage skinned = style.standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size).toImage();
  const auto* box = dynamic_cast<const TskDataSkinPanelControl*>(data->FindControl("groupbox"));
  ASSERT_NE(box, nullptr);
  // Left of the glyph, inside the round badge.
  EXPECT_EQ(skinned.pixelColor(size / 4, size / 2), skin::qt::ToQColor(box->Font.colour));
  EXPECT_EQ(skinned.pixelColor(0, 0).alpha(), 0) << "the sign stands on the box's own background";
  TskSkinStyle::Installed().SetSkin(nullptr);
  const QImage standard = style.standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size).toImage();
  EXPECT_NE(standard, skinned);
}

}  // namespace
