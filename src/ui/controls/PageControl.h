#pragma once
#include <QString>
#include <QWidget>
#include <vector>

class QTabBar;

// One page of a page control.
class TskTabSheet : public QWidget {
  Q_OBJECT
 public:
  explicit TskTabSheet(QWidget* parent);
};

// Pages switched by tabs at the bottom (skin element "tab"); the tabs show a
// hand cursor. Every page has its size even while it is not shown.
class TskPageControl : public QWidget {
  Q_OBJECT
 public:
  explicit TskPageControl(QWidget* parent);

  TskTabSheet* AddPage(const QString& caption);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TskTabSheet* Page(int index) const { return pages_.at(static_cast<size_t>(index)); }
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  QTabBar* Tabs() const { return tabs_; }

 protected:
  // A new skin or font changes the tabs' height; the pages give way.
  bool event(QEvent* event) override;

 private:
  void ShowOnly(int index);

  QTabBar* tabs_;
  QWidget* page_area_;
  std::vector<TskTabSheet*> pages_;
};
