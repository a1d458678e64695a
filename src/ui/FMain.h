#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "model/UProjects.h"

// The main window: the only top-level window of the program.
class TfrmMain : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Main window state.
  TProject* CurrentProject = nullptr;
  std::unique_ptr<TProjects> Projects;
  std::unique_ptr<THours> Hours;
  bool SuppressChange = false;
  std::string AffiliateID;
  std::string BannerURL;
  std::string BannerPath;
  std::string Link1URL, Link2URL;
  std::string Link1Name, Link2Name;
  std::string IconPath;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormResize();
  void FormCloseQuery();
  void FormDestroy();

  // Runs one creation step; an error is reported and the next step still
  // runs, so that the window opens usable whatever a data file holds.
  void RunCreationStep(const std::function<void()>& step);

  // Creation steps that the window layout, the configuration and the
  // workspace fill in.
  void PlaceBannerControls();
  void SizePlannerPanel();
  void LoadConfig();
  void AddHourRows();
  void RefreshDayPlanner();
  void SelectTasksPage();
  void FillTree();
  void EnableUpdateTimer();
};
