#include "ui/FMain.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTimer>

#include "gif/qt/QtMainThreadDispatcher.h"
#include "gif/qt/TGIFAnimator.h"
#include "net/TNetAntiFreeze.h"
#include "net/TNetHTTP.h"
#include "platform/ErrorReport.h"
#include "skin/TskData.h"
#include "skin/qt/SkinForm.h"
#include "skin/stored/StoredSkin.h"
#include "ui/MainUpdateHost.h"
#include "ui/PendingEvents.h"
#include "ui/QtText.h"
#include "ui/controls/AlignLayout.h"
#include "ui/controls/Image.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MessageBox.h"
#include "ui/controls/MonthCalendar.h"
#include "ui/controls/PageControl.h"
#include "ui/controls/Panel.h"
#include "update/UpdateCheck.h"

TfrmMain::TfrmMain(QWidget* parent)
    : QWidget(parent),
      skSkinForm1(std::make_unique<skin::qt::TskSkinForm>(*this, skin::qt::TSkinFormRole::MainWindow)),
      skCompressedStoredSkin1(std::make_unique<TskCompressedStoredSkin>()),
      skData1(std::make_unique<TskData>(skSkinForm1.get())),
      msgMain(std::make_unique<TskMessageBox>(this)),
      NetAntiFreeze1(std::make_unique<TNetAntiFreeze>()),
      NetHTTP1(CreateNetHTTP1()) {
  setObjectName("frmMain");
  setWindowTitle("Project Tarvik");
  // The client area; the skinned frame grows the window around it.
  resize(772, 566);
  // The skin stored with the window dresses every window from the start.
  skin::LoadStoredSkin(*skCompressedStoredSkin1);
  skData1->SetCompressedStoredSkin(skCompressedStoredSkin1.get());
  // While a download waits, the window keeps handling its events; animated
  // banners tick on the main thread.
  TNetAntiFreeze::SetProcessMessagesHook(HandlePendingEvents);
  gif::qt::InstallQtMainThreadDispatcher();
  // Errors that end a handler or a creation step show in the window's own
  // message box from now on.
  platform::SetErrorPresenter([this](const std::string& message) { msgMain->Inform(message); });
  CreateControls();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  ArrangeNow(this);
  FormCreate();
}

TfrmMain::~TfrmMain() {
  // The controls outlive the model by a moment and may still report
  // changes while they go.
  SuppressChange = true;
  FormDestroy();
  platform::SetErrorPresenter(nullptr);
}

void TfrmMain::RunCreationStep(const std::function<void()>& step) {
  try {
    step();
  } catch (...) {
    platform::ReportCurrentException();
  }
}

void TfrmMain::FormCreate() {
  RunCreationStep([this] { PlaceBannerControls(); });
  RunCreationStep([this] { SizePlannerPanel(); });
  RunCreationStep([this] { LoadConfig(); });
  Hours = std::make_unique<THours>();
  RunCreationStep([this] { Hours->LoadHours(); });
  RunCreationStep([this] { AddHourRows(); });
  RunCreationStep([this] { RefreshDayPlanner(); });
  RunCreationStep([this] { SelectTasksPage(); });
  Projects = std::make_unique<TProjects>();
  RunCreationStep([this] { Projects->LoadCategories(); });
  RunCreationStep([this] { Projects->LoadProjects(); });
  RunCreationStep([this] { FillTree(""); });
  RunCreationStep([this] { EnableUpdateTimer(); });
}

void TfrmMain::PlaceBannerControls() { gifBanner->setGeometry(imgBanner->geometry()); }

void TfrmMain::SizePlannerPanel() {
  const int width = skTabSheet2->width() - (skMonthCalendar1->x() + skMonthCalendar1->width() + 10);
  planner_page_layout_->SetExtent(skPanel6, width);
  ArrangeNow(skTabSheet2);
}

void TfrmMain::AddHourRows() {
  std::vector<TListRow> rows;
  for (int row = 1; row <= 24; ++row) rows.push_back({ToQ(HourCaption(row)), false, {QString()}});
  lvwToDo->SetRows(std::move(rows));
  // The stored 60 pixels were made for a smaller font than the lists use
  // here; the column grows so that no hour reads "10:00 ...".
  lvwToDo->resizeColumnToContents(0);
  lvwToDo->header()->resizeSection(0, std::max(60, lvwToDo->columnWidth(0)));
}

void TfrmMain::SelectTasksPage() { pgcMain->SetActivePageIndex(0); }

void TfrmMain::EnableUpdateTimer() { Timer2->start(); }

void TfrmMain::CentreBanner() {
  // Each operand is halved on its own, dropping the remainder: a 105 x 105
  // picture in a 772 x 65 panel sits at 334, -20.
  for (QWidget* picture : {static_cast<QWidget*>(imgBanner), static_cast<QWidget*>(gifBanner)})
    picture->move(panBanner->width() / 2 - picture->width() / 2, panBanner->height() / 2 - picture->height() / 2);
}

void TfrmMain::FormShow() { CentreBanner(); }

void TfrmMain::FormResize() {
  CentreBanner();
  SizePlannerPanel();
}

void TfrmMain::FormCloseQuery() { SuppressChange = true; }

void TfrmMain::FormDestroy() {
  CurrentProject = nullptr;
  Projects.reset();
  Hours.reset();
}

void TfrmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  FormCloseQuery();
  // A download waiting inside the anti-freeze ends now, its socket closed,
  // so that the program leaves its message loop at once.
  closing_ = true;
  NetAntiFreeze1->AbortPendingCalls();
  event->accept();
}
