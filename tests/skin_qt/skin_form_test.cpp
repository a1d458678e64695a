// The skinned window frame: where its pieces land, and how a window wears,
// drops and changes it.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include "skin/qt/SkinForm.h"
#include "skin/qt/SkinFrameLayout.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinStyle.h"
#include "skin/SkinStreams.h"
#include "skin_qt/SkinQtFixture.h"

namespace {

using skin::qt::TskSkinForm;
using skin::qt::TSkinFormRole;

TEST(FrameLayout, BordersAreTheClientRectanglesDistancesToThePictureEdges) {
  TskDataSkinFormInfo info;
  info.ClientRect = {4, 32, 196, 116};
  EXPECT_EQ(skin::qt::FrameMargins(info, QSize(200, 120)), QMargins(4, 32, 4, 4));
}

TEST(FrameLayout, ButtonsOnTheRightFollowTheRightEdgeAndTheCaptionStretches) {
  // A 200 pixel wide frame picture on a 500 pixel window.
  EXPECT_EQ(skin::qt::PlaceFrameObject({166, 4, 196, 28}, 200, 500), QRect(466, 4, 30, 24));
  EXPECT_EQ(skin::qt::PlaceFrameObject({8, 7, 26, 25}, 200, 500), QRect(8, 7, 18, 18));
  EXPECT_EQ(skin::qt::PlaceCaption({32, 0, 98, 32}, 200, 500), QRect(QPoint(32, 0), QPoint(397, 31)));
}

TEST(FrameLayout, ResizeEdgesAreTheGripsAlongEachEdge) {
  const QSize size(100, 80);
  EXPECT_EQ(skin::qt::ResizeEdges({1, 1}, size, 4), Qt::LeftEdge | Qt::TopEdge);
  EXPECT_EQ(skin::qt::ResizeEdges({99, 50}, size, 4), Qt::RightEdge);
  EXPECT_EQ(skin::qt::ResizeEdges({50, 77}, size, 4), Qt::BottomEdge);
  EXPECT_EQ(skin::qt::ResizeEdges({50, 40}, size, 4), Qt::Edges());
}

class SkinFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skinqttest::App();
    window.resize(300, 200);
    form = std::make_unique<TskSkinForm>(window, TSkinFormRole::MainWindow);
    data = skinqttest::DefaultSkinData(form.get());
  }
  void TearDown() override {
    data.reset();
    form.reset();
  }
  // The application exists before the window does.
  struct AppFirst {
    AppFirst() { skinqttest::App(); }
  } app_first;
  QWidget window;
  std::unique_ptr<TskSkinForm> form;
  std::unique_ptr<TskData> data;
};

TEST_F(SkinFormTest, TheFrameGrowsTheWindowAroundItsClientArea) {
  ASSERT_TRUE(form->Framed());
  EXPECT_EQ(form->Margins(), QMargins(4, 32, 4, 4));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(window.size(), QSize(308, 236));
  EXPECT_EQ(window.contentsRect(), QRect(4, 32, 300, 200));
  EXPECT_EQ(skin::qt::TskSkinStyle::Current()->Skin(), data.get());
}

TEST_F(SkinFormTest, TheMaskShapesTheFrameAndKeepsTheClientArea) {
  const QRegion mask = window.mask();
  ASSERT_FALSE(mask.isEmpty());
  EXPECT_TRUE(mask.contains(window.contentsRect()));
  // The default frame's top corners are rounded off.
  EXPECT_FALSE(mask.contains(QPoint(0, 0)));
  EXPECT_FALSE(mask.contains(QPoint(window.width() - 1, 0)));
  window.resize(500, 400);
  EXPECT_TRUE(window.mask().contains(QRect(4, 32, 492, 364)));
}

TEST_F(SkinFormTest, ASkinThatFailsToLoadDropsTheFrameAndGivesTheClientSizeBack) {
  // A skin stream of format version 4 clears the skin after SkinChanging
  // and sends nothing more.
  skinqttest::LoadSkinBytes(*data, skintest::CompressedFile(std::string("\x04\0\0\0", 4)));
  ASSERT_TRUE(data->SkinEmpty());
  EXPECT_FALSE(form->Framed());
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(window.size(), QSize(300, 200));
  EXPECT_TRUE(window.mask().isEmpty());
  EXPECT_EQ(skin::qt::TskSkinStyle::Current()->Skin(), nullptr);
}

TEST_F(SkinFormTest, EveryOpenWindowTheDialogsIncludedSwitchesToANewSkinAtOnce) {
  QDialog dialog(&window);
  dialog.setFixedSize(200, 100);
  TskSkinForm::Attach(dialog);
  ASSERT_TRUE(dialog.findChild<TskSkinForm*>()->Framed());
  EXPECT_EQ(dialog.size(), QSize(208, 136));
  EXPECT_FALSE(dialog.findChild<TskSkinForm*>()->ButtonPlace(skin::Command::Minimize).has_value());

  const QColor default_text = dialog.palette().color(QPalette::WindowText);

  skinqttest::LoadSkinBytes(*data, skinqttest::ExampleSkinFile());
  ASSERT_EQ(data->SkinInfo().SkinName, "Ember");
  // Both windows wear the new skin's frame and its label colour.
  const auto* label = dynamic_cast<const TskDataSkinStdLabelControl*>(data->FindControl("stdlabel"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(dialog.palette().color(QPalette::WindowText), skin::qt::ToQColor(label->Font.colour));
  EXPECT_NE(dialog.palette().color(QPalette::WindowText), default_text);
  EXPECT_EQ(window.palette().color(QPalette::WindowText), skin::qt::ToQColor(label->Font.colour));
  EXPECT_TRUE(dialog.findChild<TskSkinForm*>()->Framed());
  EXPECT_EQ(dialog.size(), QSize(200, 100).grownBy(dialog.findChild<TskSkinForm*>()->Margins()));
  EXPECT_EQ(window.size(), QSize(300, 200).grownBy(form->Margins()));
}

// A window manager draws a title bar of its own for a window that asks for
// a title or caption buttons, frameless or not.
TEST_F(SkinFormTest, ASkinnedDialogAsksForNoTitleBarAndGetsItsOwnFlagsBackWithoutASkin) {
  QDialog dialog(&window, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  const Qt::WindowFlags own = dialog.windowFlags();
  TskSkinForm::Attach(dialog);
  EXPECT_EQ(dialog.windowFlags(), Qt::Dialog | Qt::FramelessWindowHint);
  skinqttest::LoadSkinBytes(*data, skintest::CompressedFile(std::string("\x04\0\0\0", 4)));
  EXPECT_EQ(dialog.windowFlags(), own);
}

TEST_F(SkinFormTest, TheCloseButtonClosesTheWindow) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const auto close = form->ButtonPlace(skin::Command::Close);
  ASSERT_TRUE(close.has_value());
  EXPECT_EQ(close->right(), window.width() - 5);
  QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, close->center());
  EXPECT_FALSE(window.isVisible());
}

TEST_F(SkinFormTest, DraggingTheCaptionMovesTheWindow) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QPoint start = window.pos();
  const QPoint grip(60, 16);
  QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, grip);
  QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(30, 20)), window.mapToGlobal(QPointF(grip + QPoint(30, 20))),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &move);
  QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, grip + QPoint(30, 20));
  EXPECT_EQ(window.pos(), start + QPoint(30, 20));
}

TEST_F(SkinFormTest, DraggingTheBottomRightCornerResizesTheWindow) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QSize start = window.size();
  const QPoint grip(window.width() - 2, window.height() - 2);
  QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, grip);
  const QPoint to = grip + QPoint(40, 25);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), window.mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&window, &move);
  QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, to);
  EXPECT_EQ(window.size(), start + QSize(40, 25));
  EXPECT_EQ(window.contentsRect().size(), QSize(340, 225));
}

TEST_F(SkinFormTest, AnInactiveWindowsFrameIsDimmedByTheSkinsEffect) {
  ASSERT_TRUE(data->FormInfo().AutoRenderingInactiveImage);
  ASSERT_EQ(data->FormInfo().InactiveEffect, skin::InactiveEffect::Brightness);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  // A point of the caption bar between the caption and the buttons.
  const QPoint caption(window.width() / 2 + 40, 16);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const QColor active = window.grab().toImage().pixelColor(caption);
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  const QColor inactive = window.grab().toImage().pixelColor(caption);
  EXPECT_GT(inactive.lightness(), active.lightness() + 20);
}

}  // namespace
