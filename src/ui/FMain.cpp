#include "ui/FMain.h"

#include <QCloseEvent>

#include "platform/ErrorReport.h"

TfrmMain::TfrmMain(QWidget* parent) : QWidget(parent) {
  setObjectName("frmMain");
  setWindowTitle("Project Tarvik");
  resize(772, 566);
  FormCreate();
}

TfrmMain::~TfrmMain() { FormDestroy(); }

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
  RunCreationStep([this] { FillTree(); });
  RunCreationStep([this] { EnableUpdateTimer(); });
}

void TfrmMain::PlaceBannerControls() {}
void TfrmMain::SizePlannerPanel() {}
void TfrmMain::LoadConfig() {}
void TfrmMain::AddHourRows() {}
void TfrmMain::RefreshDayPlanner() {}
void TfrmMain::SelectTasksPage() {}
void TfrmMain::FillTree() {}
void TfrmMain::EnableUpdateTimer() {}

void TfrmMain::FormShow() {}
void TfrmMain::FormResize() {}

void TfrmMain::FormCloseQuery() { SuppressChange = true; }

void TfrmMain::FormDestroy() {
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
  event->accept();
}
