#pragma once
#include <QIcon>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/UProjects.h"
#include "update/UpdateCheck.h"

class QAction;
class QMenu;
class QTimer;
class QTreeWidgetItem;
class TImage;
class TskBevel;
class TskButton;
class TskGauge;
class TskGroupBox;
class TskLinkLabel;
class TskListView;
class TskMessageBox;
class TskMonthCalendar;
class TskPageControl;
class TskPanel;
class TskSplitter;
class TskStdLabel;
class TskTabSheet;
class TskTreeView;
class TAlignLayout;
class TMainUpdateHost;
class TNetAntiFreeze;
class TNetHTTP;
class TskCompressedStoredSkin;
namespace skin::qt {
class TskSkinForm;
}
class TskData;
namespace gif::qt {
class TGIFAnimator;
}

// The main window: the only top-level window of the program. Its controls
// belong to it through Qt's parent chain; the members below only point at
// them. The handlers are grouped by what they serve: FMain.cpp the window's
// life, FMainLayout.cpp its controls, FMainShell.cpp the configuration, the
// vendor's pages and the live update, FMainTree.cpp the category and project
// tree, FMainTasks.cpp the summary and task list, FMainPlanner.cpp the day
// planner.
class TfrmMain : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Controls, top to bottom.
  TskPanel* skPanel1;
  TskButton* btn1;
  TskButton* btnSave;
  TskButton* btnHelp;
  TskButton* btnUpdate;
  TskButton* btnMakeMoney;
  TskPanel* panBanner;
  TImage* imgBanner;
  gif::qt::TGIFAnimator* gifBanner;
  TskPanel* skPanel2;
  TskBevel* skBevel1;
  TskStdLabel* lblProjName;
  TskStdLabel* skStdLabel2;
  TskStdLabel* lblStartDate;
  TskStdLabel* lblEndDate;
  TskGauge* MainGauge;
  TskPanel* panLinks;
  TskLinkLabel* lblLink1URL;
  TskLinkLabel* lblLink2URL;
  TskGroupBox* skGroupBox1;
  TskTreeView* tvwMain;
  TskSplitter* skSplitter1;
  TskPageControl* pgcMain;
  TskTabSheet* skTabSheet1;
  TskPanel* skPanel3;
  TskListView* lvwItems;
  TskPanel* skPanel5;
  TskButton* btnAdd;
  TskButton* btnEdit;
  TskButton* btnRemove;
  TskTabSheet* skTabSheet2;
  TskMonthCalendar* skMonthCalendar1;
  TskPanel* skPanel6;
  TskPanel* skPanel4;
  TskListView* lvwToDo;
  TskPanel* skPanel7;
  TskButton* btnEditHour;
  TskButton* skButton3;

  // Components.
  std::unique_ptr<skin::qt::TskSkinForm> skSkinForm1;
  std::unique_ptr<TskCompressedStoredSkin> skCompressedStoredSkin1;
  std::unique_ptr<TskData> skData1;
  std::unique_ptr<TskMessageBox> msgMain;
  std::unique_ptr<TNetAntiFreeze> NetAntiFreeze1;
  std::unique_ptr<TNetHTTP> NetHTTP1;
  std::vector<QIcon> ImageList1;  // 0: category folder, 1: project book
  QMenu* skPopupMenu1;
  QAction* NewCategory1;
  QAction* AddProject1;
  QAction* Rename1;
  QAction* Delete1;
  QTimer* Timer1;
  QTimer* Timer2;

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

  // Category and project tree.
  void FillTree(const std::string& SelectName);
  void tvwMainChange(QTreeWidgetItem* Node);
  void tvwMainKeyDown(int Key, bool* Handled);
  void btn1Click();
  void AddProject1Click();
  void NewCategory1Click();
  void Rename1Click();
  void Delete1Click();

  // Project summary and task list.
  void ShowProjectSummary();
  void ClearProjectSummary();
  void ShowProgress();
  void lvwItemsChange(int Row);
  void lvwItemsDblClick();
  void lvwItemsKeyDown(int Key, bool* Handled);
  void btnAddClick();
  void btnEditClick();
  void btnRemoveClick();
  void btnSaveClick();

  // Day planner.
  void RefreshDayPlanner();
  void skMonthCalendar1NumberClick();
  void skMonthCalendar1MouseEnter();
  void skMonthCalendar1MouseLeave();
  void Timer1Timer();
  void btnEditHourClick();
  void lvwToDoDblClick();
  void skButton3Click();

  // Configuration, banner, links and the vendor's pages (FMainShell.cpp).
  void imgBannerClick();
  void gifBannerClick();
  void btnMakeMoneyClick();
  void btnHelpClick();

  // Live update (FMainShell.cpp). The folder its checks fetch the update
  // description from and how long they wait for it, read when the first
  // check starts; tests point them at a server of their own.
  std::string UpdateBaseUrl = update::UpdateBaseUrl();
  update::TUpdateTimeLimits UpdateTimeLimits;
  void Timer2Timer();
  void btnUpdateClick();
  void CheckForUpdate(bool Silent);

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
  void SelectTasksPage();
  void EnableUpdateTimer();
  void ApplyBanner(const std::string& banner_path, int position);
  void ApplyIcon();

  void CentreBanner();

  // The window's controls, band by band (FMainLayout.cpp).
  void CreateControls();
  void CreateButtonBar(TAlignLayout* window);
  void CreateBanner(TAlignLayout* window);
  void CreateSummary(TAlignLayout* window);
  void CreateLinks(TAlignLayout* window);
  void CreateTreePane(TAlignLayout* window);
  void CreatePages(TAlignLayout* window);
  void CreateTasksPage();
  void CreateCalendarPage();
  void CreateComponents();

  // The day text of the calendar's date in the short date format.
  std::string DayText() const;
  QTreeWidgetItem* SelectedNode() const;
  // Entry of the category list that a top-level node stands for, or -1.
  int CategoryIndexOfNode(const QTreeWidgetItem* node) const;
  void EditProject(const std::string& name);
  void EditCategory(const QTreeWidgetItem* node);
  void DeleteProject(const std::string& name);
  void DeleteCategory(const QTreeWidgetItem* node);

  TAlignLayout* planner_page_layout_ = nullptr;
  std::unique_ptr<TMainUpdateHost> update_host_;
  std::unique_ptr<update::TUpdateCheck> update_check_;
  bool closing_ = false;
  // Set while FillTree empties the tree: the selection changes that raises
  // are no user's choice.
  bool emptying_tree_ = false;
};
