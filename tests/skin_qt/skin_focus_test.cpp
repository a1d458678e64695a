// The control that holds the keyboard focus shows it, in the built-in skin
// and in the example skin: a button, a check box and a list's current row
// each draw differently with the focus than without it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "skin/qt/SkinStyle.h"
#include "skin_qt/SkinQtFixture.h"

namespace {

using skin::qt::TskSkinStyle;

QImage Rendered(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Whether some pixel that the focus changed took the control's text colour,
// as the mark does (the standard look's own marks are tinted highlights).
bool MarkedInTextColour(const QImage& without, const QImage& with, QColor text) {
  for (int y = 0; y < with.height(); ++y)
    for (int x = 0; x < with.width(); ++x)
      if (with.pixel(x, y) != without.pixel(x, y) && with.pixel(x, y) == text.rgb()) return true;
  return false;
}

// The controls as the windows name them; whichever takes the focus is drawn
// once without it and once with it.
void ExpectFocusShows(const char* skin) {
  QWidget window;
  window.resize(300, 200);
  auto* button = new QPushButton(QStringLiteral("Add New Task"), &window);
  button->setProperty("SkinDataName", QStringLiteral("button"));
  button->setGeometry(10, 10, 110, 20);
  auto* check = new QCheckBox(QStringLiteral("Task is done"), &window);
  check->setProperty("SkinDataName", QStringLiteral("checkbox"));
  check->setGeometry(10, 40, 118, 25);
  auto* list = new QTreeWidget(&window);
  list->setProperty("SkinDataName", QStringLiteral("listview"));
  list->setGeometry(10, 70, 200, 100);
  list->setAllColumnsShowFocus(true);
  list->setRootIsDecorated(false);
  list->setColumnCount(2);
  list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("Write copy"), QStringLiteral("Notes")}));
  list->setCurrentItem(list->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
  auto* elsewhere = new QPushButton(QStringLiteral("Elsewhere"), &window);
  elsewhere->setGeometry(150, 10, 100, 20);
  // Styles polish the controls when the window shows.
  TskSkinStyle::Installed().SetSkin(TskSkinStyle::Installed().Skin());
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  for (QWidget* control : {static_cast<QWidget*>(button), static_cast<QWidget*>(check), static_cast<QWidget*>(list)}) {
    elsewhere->setFocus(Qt::TabFocusReason);
    const QImage without = Rendered(*control);
    control->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(control->hasFocus());
    const QPalette::ColorRole text = control == list ? QPalette::Text : QPalette::ButtonText;
    EXPECT_TRUE(MarkedInTextColour(without, Rendered(*control), control->palette().color(text)))
        << skin << ": " << control->metaObject()->className();
  }
}

using SkinFocusTest = skinqttest::TDefaultSkinTest;

TEST_F(SkinFocusTest, TheFocusedButtonCheckBoxAndListRowShowAMarkInBothSkins) {
  ExpectFocusShows("built-in skin");
  skinqttest::LoadSkinBytes(*data, skinqttest::ExampleSkinFile());
  TskSkinStyle::Installed().SetSkin(nullptr);
  TskSkinStyle::Installed().SetSkin(data.get());
  ExpectFocusShows("example skin");
}

}  // namespace
