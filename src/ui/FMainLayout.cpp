// The controls of the main window, created band by band from the top with
// the places and sizes they have at the window's design size, 772 x 566.
#include <QMenu>
#include <QTimer>

#include "app/OpenUrl.h"
#include "gif/qt/BannerAnimator.h"
#include "ui/FMain.h"
#include "ui/Handler.h"
#include "ui/TreeImages.h"
#include "ui/controls/AlignLayout.h"
#include "ui/controls/Bevel.h"
#include "ui/controls/Button.h"
#include "ui/controls/Gauge.h"
#include "ui/controls/GroupBox.h"
#include "ui/controls/Image.h"
#include "ui/controls/LinkLabel.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MonthCalendar.h"
#include "ui/controls/OwnedBy.h"
#include "ui/controls/PageControl.h"
#include "ui/controls/Panel.h"
#include "ui/controls/Splitter.h"
#include "ui/controls/StdLabel.h"
#include "ui/controls/TreeView.h"

namespace {

constexpr QSize kDesignClientSize(772, 566);
constexpr int kButtonBarHeight = 36;
constexpr int kBannerHeight = 65;
constexpr int kSummaryHeight = 87;
constexpr int kLinksHeight = 36;
constexpr int kTreePaneWidth = 201;
constexpr int kSplitterWidth = 10;
constexpr int kMinPaneSize = 10;
// A page is the page control's client area less its one-pixel frame.
constexpr QSize kDesignPageSize(559, 314);
constexpr int kTaskButtonsHeight = 44;
constexpr int kPlannerButtonsHeight = 40;
constexpr int kPlannerPanelWidth = 339;

constexpr TAnchors kLeftTopRight{true, true, true, false};
constexpr TAnchors kTopRight{false, true, true, false};
constexpr TAnchors kLeftBottom{true, false, false, true};

template <typename T>
T* Named(T* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

TskButton* BarButton(QWidget* bar, const char* name, const char* caption) {
  return Named(OwnedBy<TskButton>(bar, QString::fromLatin1(caption), TButtonFocus::NeverFocused), name);
}

TskButton* TabStopButton(QWidget* panel, const char* name, const char* caption) {
  return Named(OwnedBy<TskButton>(panel, QString::fromLatin1(caption), TButtonFocus::TabStop), name);
}

TskPanel* Panel(QWidget* parent, const char* name, TPanelBorder border) {
  return Named(OwnedBy<TskPanel>(parent, border), name);
}

}  // namespace

void TfrmMain::CreateControls() {
  auto* window = OwnedBy<TAlignLayout>(this, kDesignClientSize);
  CreateButtonBar(window);
  CreateBanner(window);
  CreateSummary(window);
  CreateLinks(window);
  CreateTreePane(window);
  CreatePages(window);
  CreateComponents();
}

void TfrmMain::CreateButtonBar(TAlignLayout* window) {
  skPanel1 = Panel(this, "skPanel1", TPanelBorder::None);
  window->AddDocked(skPanel1, TAlign::Top, kButtonBarHeight);
  auto* bar = OwnedBy<TAlignLayout>(skPanel1, QSize(kDesignClientSize.width(), kButtonBarHeight));
  btn1 = BarButton(skPanel1, "btn1", "New Project");
  btnSave = BarButton(skPanel1, "btnSave", "Save Changes");
  btnHelp = BarButton(skPanel1, "btnHelp", "Help");
  btnUpdate = BarButton(skPanel1, "btnUpdate", "Check Updates");
  btnMakeMoney = BarButton(skPanel1, "btnMakeMoney", "Make Money");
  bar->AddPlaced(btn1, QRect(6, 5, 99, 20));
  bar->AddPlaced(btnSave, QRect(109, 5, 98, 20));
  bar->AddPlaced(btnHelp, QRect(211, 5, 98, 20));
  bar->AddPlaced(btnUpdate, QRect(313, 5, 99, 20));
  bar->AddPlaced(btnMakeMoney, QRect(416, 5, 98, 20));
  connect(btn1, &TskButton::clicked, this, Handler(this, &TfrmMain::btn1Click));
  connect(btnSave, &TskButton::clicked, this, Handler(this, &TfrmMain::btnSaveClick));
  connect(btnHelp, &TskButton::clicked, this, Handler(this, &TfrmMain::btnHelpClick));
  connect(btnUpdate, &TskButton::clicked, this, Handler(this, &TfrmMain::btnUpdateClick));
  connect(btnMakeMoney, &TskButton::clicked, this, Handler(this, &TfrmMain::btnMakeMoneyClick));
}

void TfrmMain::CreateBanner(TAlignLayout* window) {
  panBanner = Panel(this, "panBanner", TPanelBorder::Lowered);
  window->AddDocked(panBanner, TAlign::Top, kBannerHeight);
  // The pictures are centred by FormShow and FormResize, not by a layout.
  imgBanner = Named(OwnedBy<TImage>(panBanner), "imgBanner");
  imgBanner->setGeometry(0, 0, 0, 0);
  connect(imgBanner, &TImage::Clicked, this, Handler(this, &TfrmMain::imgBannerClick));
  gifBanner = gif::qt::CreateBannerAnimator(panBanner);
  gifBanner->OnClick = [this](gif::qt::TImageControl&) { Handler(this, &TfrmMain::gifBannerClick)(); };
}

void TfrmMain::CreateSummary(TAlignLayout* window) {
  skPanel2 = Panel(this, "skPanel2", TPanelBorder::None);
  window->AddDocked(skPanel2, TAlign::Top, kSummaryHeight);
  auto* summary = OwnedBy<TAlignLayout>(skPanel2, QSize(kDesignClientSize.width(), kSummaryHeight));
  skBevel1 = Named(OwnedBy<TskBevel>(skPanel2), "skBevel1");
  lblProjName = Named(OwnedBy<TskStdLabel>(skPanel2, QStringLiteral("Project Name:  ")), "lblProjName");
  skStdLabel2 = Named(OwnedBy<TskStdLabel>(skPanel2, QStringLiteral("Progress:")), "skStdLabel2");
  lblStartDate = Named(OwnedBy<TskStdLabel>(skPanel2, QStringLiteral("Start Date:")), "lblStartDate");
  lblEndDate = Named(OwnedBy<TskStdLabel>(skPanel2, QStringLiteral("End Date:")), "lblEndDate");
  MainGauge = Named(OwnedBy<TskGauge>(skPanel2), "MainGauge");
  MainGauge->SetProgressText(QStringLiteral("0/0 tasks  "));
  summary->AddPlaced(skBevel1, QRect(10, 13, 752, 62), kLeftTopRight);
  summary->AddPlaced(lblProjName, QRect(23, 22, 0, 0), {}, TAutoSize::KeepLeft);
  summary->AddPlaced(skStdLabel2, QRect(25, 44, 0, 0), {}, TAutoSize::KeepLeft);
  summary->AddPlaced(lblStartDate, QRect(480, 22, 0, 0), kTopRight, TAutoSize::KeepLeft);
  summary->AddPlaced(lblEndDate, QRect(607, 22, 0, 0), kTopRight, TAutoSize::KeepLeft);
  summary->AddPlaced(MainGauge, QRect(96, 43, 652, 19), kLeftTopRight);
}

void TfrmMain::CreateLinks(TAlignLayout* window) {
  panLinks = Panel(this, "panLinks", TPanelBorder::Framed);
  window->AddDocked(panLinks, TAlign::Bottom, kLinksHeight);
  auto* links = OwnedBy<TAlignLayout>(panLinks, QSize(kDesignClientSize.width(), kLinksHeight));
  lblLink1URL = Named(OwnedBy<TskLinkLabel>(panLinks, Qt::AlignLeft), "lblLink1URL");
  lblLink2URL = Named(OwnedBy<TskLinkLabel>(panLinks, Qt::AlignRight), "lblLink2URL");
  for (TskLinkLabel* label : {lblLink1URL, lblLink2URL})
    connect(label, &TskLinkLabel::Clicked, this, [label] { OpenWithDefaultHandler(label->URL); });
  links->AddPlaced(lblLink1URL, QRect(13, 8, 0, 0), {}, TAutoSize::KeepLeft);
  // Right-justified: its right edge stays 13 pixels from the strip's edge
  // whatever the caption's length.
  links->AddPlaced(lblLink2URL, QRect(723, 8, 36, 0), kTopRight, TAutoSize::KeepRight);
}

void TfrmMain::CreateTreePane(TAlignLayout* window) {
  skGroupBox1 = Named(OwnedBy<TskGroupBox>(this, QStringLiteral("Projects")), "skGroupBox1");
  window->AddDocked(skGroupBox1, TAlign::Left, kTreePaneWidth);
  tvwMain = Named(OwnedBy<TskTreeView>(skGroupBox1), "tvwMain");
  OwnedBy<TAlignLayout>(skGroupBox1, QSize(kTreePaneWidth, 300))->AddDocked(tvwMain, TAlign::Client);
  tvwMain->setIndentation(19);
  skSplitter1 = Named(OwnedBy<TskSplitter>(this, window, skGroupBox1, kMinPaneSize), "skSplitter1");
  window->AddDocked(skSplitter1, TAlign::Left, kSplitterWidth);
  connect(tvwMain, &TskTreeView::itemSelectionChanged, this, [this] {
    if (!emptying_tree_) Handler(this, &TfrmMain::tvwMainChange)(SelectedNode());
  });
  connect(tvwMain, &TskTreeView::KeyDown, this, Handler(this, &TfrmMain::tvwMainKeyDown));
}

void TfrmMain::CreatePages(TAlignLayout* window) {
  pgcMain = Named(OwnedBy<TskPageControl>(this), "pgcMain");
  window->AddDocked(pgcMain, TAlign::Client);
  skTabSheet1 = Named(pgcMain->AddPage(QStringLiteral("Tasks")), "skTabSheet1");
  skTabSheet2 = Named(pgcMain->AddPage(QStringLiteral("Calendar")), "skTabSheet2");
  CreateTasksPage();
  CreateCalendarPage();
}

void TfrmMain::CreateTasksPage() {
  auto* page = OwnedBy<TAlignLayout>(skTabSheet1, kDesignPageSize);
  skPanel3 = Panel(skTabSheet1, "skPanel3", TPanelBorder::None);
  skPanel5 = Panel(skTabSheet1, "skPanel5", TPanelBorder::Framed);
  page->AddDocked(skPanel5, TAlign::Bottom, kTaskButtonsHeight);
  page->AddDocked(skPanel3, TAlign::Client);

  lvwItems = Named(OwnedBy<TskListView>(skPanel3, TskListView::Checkboxes::On), "lvwItems");
  OwnedBy<TAlignLayout>(skPanel3, kDesignPageSize)->AddDocked(lvwItems, TAlign::Client);
  lvwItems->AddColumn(QStringLiteral("Done"), 40);
  lvwItems->AddColumn(QStringLiteral("Task Description"), TskListView::kAutoSize);
  lvwItems->AddColumn(QStringLiteral("Task Notes"), TskListView::kAutoSize);
  lvwItems->AddColumn(QStringLiteral("Start Date"), 100);
  lvwItems->AddColumn(QStringLiteral("End Date"), 100);

  auto* buttons = OwnedBy<TAlignLayout>(skPanel5, QSize(kDesignPageSize.width(), kTaskButtonsHeight));
  btnAdd = TabStopButton(skPanel5, "btnAdd", "Add New Task");
  btnEdit = TabStopButton(skPanel5, "btnEdit", "Edit Selected Task");
  btnRemove = TabStopButton(skPanel5, "btnRemove", "Remove Selected Task");
  buttons->AddPlaced(btnAdd, QRect(6, 9, 110, 20), kLeftBottom);
  buttons->AddPlaced(btnEdit, QRect(119, 9, 133, 20), kLeftBottom);
  buttons->AddPlaced(btnRemove, QRect(255, 9, 150, 20), kLeftBottom);

  connect(lvwItems, &TskListView::ItemChanged, this, Handler(this, &TfrmMain::lvwItemsChange));
  connect(lvwItems, &TskListView::DblClick, this, Handler(this, &TfrmMain::lvwItemsDblClick));
  connect(lvwItems, &TskListView::KeyDown, this, Handler(this, &TfrmMain::lvwItemsKeyDown));
  connect(btnAdd, &TskButton::clicked, this, Handler(this, &TfrmMain::btnAddClick));
  connect(btnEdit, &TskButton::clicked, this, Handler(this, &TfrmMain::btnEditClick));
  connect(btnRemove, &TskButton::clicked, this, Handler(this, &TfrmMain::btnRemoveClick));
}

void TfrmMain::CreateCalendarPage() {
  planner_page_layout_ = OwnedBy<TAlignLayout>(skTabSheet2, kDesignPageSize);
  skMonthCalendar1 = Named(OwnedBy<TskMonthCalendar>(skTabSheet2), "skMonthCalendar1");
  planner_page_layout_->AddPlaced(skMonthCalendar1, QRect(10, 12, 200, 150));
  skPanel6 = Panel(skTabSheet2, "skPanel6", TPanelBorder::None);
  planner_page_layout_->AddDocked(skPanel6, TAlign::Right, kPlannerPanelWidth);

  auto* planner = OwnedBy<TAlignLayout>(skPanel6, QSize(kPlannerPanelWidth, kDesignPageSize.height()));
  skPanel4 = Panel(skPanel6, "skPanel4", TPanelBorder::None);
  skPanel7 = Panel(skPanel6, "skPanel7", TPanelBorder::None);
  planner->AddDocked(skPanel7, TAlign::Bottom, kPlannerButtonsHeight);
  planner->AddDocked(skPanel4, TAlign::Client);

  lvwToDo = Named(OwnedBy<TskListView>(skPanel4, TskListView::Checkboxes::Off), "lvwToDo");
  OwnedBy<TAlignLayout>(skPanel4, QSize(kPlannerPanelWidth, 274))->AddDocked(lvwToDo, TAlign::Client);
  lvwToDo->AddColumn(QStringLiteral("Hour"), 60);
  lvwToDo->AddColumn(QStringLiteral("Action"), TskListView::kAutoSize);

  auto* buttons = OwnedBy<TAlignLayout>(skPanel7, QSize(kPlannerPanelWidth, kPlannerButtonsHeight));
  btnEditHour = TabStopButton(skPanel7, "btnEditHour", "Edit selected action");
  skButton3 = TabStopButton(skPanel7, "skButton3", "Clear selected action");
  buttons->AddPlaced(btnEditHour, QRect(2, 8, 133, 20), kLeftBottom);
  buttons->AddPlaced(skButton3, QRect(138, 8, 150, 20), kLeftBottom);

  connect(skMonthCalendar1, &TskMonthCalendar::NumberClick, this, Handler(this, &TfrmMain::skMonthCalendar1NumberClick));
  connect(skMonthCalendar1, &TskMonthCalendar::MouseEnter, this, Handler(this, &TfrmMain::skMonthCalendar1MouseEnter));
  connect(skMonthCalendar1, &TskMonthCalendar::MouseLeave, this, Handler(this, &TfrmMain::skMonthCalendar1MouseLeave));
  connect(lvwToDo, &TskListView::DblClick, this, Handler(this, &TfrmMain::lvwToDoDblClick));
  connect(btnEditHour, &TskButton::clicked, this, Handler(this, &TfrmMain::btnEditHourClick));
  connect(skButton3, &TskButton::clicked, this, Handler(this, &TfrmMain::skButton3Click));
}

void TfrmMain::CreateComponents() {
  ImageList1 = MakeTreeImages();

  skPopupMenu1 = Named(OwnedBy<QMenu>(this), "skPopupMenu1");
  NewCategory1 = Named(skPopupMenu1->addAction(QStringLiteral("New Category")), "NewCategory1");
  skPopupMenu1->addSeparator();
  AddProject1 = Named(skPopupMenu1->addAction(QStringLiteral("New Project")), "AddProject1");
  Rename1 = Named(skPopupMenu1->addAction(QStringLiteral("Edit")), "Rename1");
  Delete1 = Named(skPopupMenu1->addAction(QStringLiteral("Delete")), "Delete1");
  connect(NewCategory1, &QAction::triggered, this, Handler(this, &TfrmMain::NewCategory1Click));
  connect(AddProject1, &QAction::triggered, this, Handler(this, &TfrmMain::AddProject1Click));
  connect(Rename1, &QAction::triggered, this, Handler(this, &TfrmMain::Rename1Click));
  connect(Delete1, &QAction::triggered, this, Handler(this, &TfrmMain::Delete1Click));
  // The menu opens without holding up the tree.
  connect(tvwMain, &TskTreeView::PopupRequested, skPopupMenu1,
          [this](const QPoint& position) { skPopupMenu1->popup(position); });

  Timer1 = Named(OwnedBy<QTimer>(this), "Timer1");
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, Handler(this, &TfrmMain::Timer1Timer));
  Timer2 = Named(OwnedBy<QTimer>(this), "Timer2");
  Timer2->setInterval(100);
  connect(Timer2, &QTimer::timeout, this, Handler(this, &TfrmMain::Timer2Timer));
}
