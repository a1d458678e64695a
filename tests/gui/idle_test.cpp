// The main window while nobody touches it: no layout passes, no paints and
// no timer ticks, so the program costs no processor time. Counted events,
// not time: a layout request that posts the next one shows up as hundreds.
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <map>

#include "gui/MainWindowFixture.h"

namespace guitest {
namespace {

// Counts, by type, the events delivered to `root` and everything it owns.
class TEventCounter : public QObject {
 public:
  explicit TEventCounter(QObject& root) : root_(root) { QCoreApplication::instance()->installEventFilter(this); }
  ~TEventCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

  std::map<QEvent::Type, int> counts;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    for (QObject* owner = watched; owner; owner = owner->parent())
      if (owner == &root_) {
        ++counts[event->type()];
        break;
      }
    return false;
  }

 private:
  QObject& root_;
};

using IdleTest = MainWindowTest;

TEST_F(IdleTest, AnUntouchedWindowReceivesNoEvents) {
  Open("Work\r\n", "Header^Site^Work^1/1/2008^2/1/2008^\r\n^False^,^Write copy^,^^,^^,^^\r\nEndProject\r\n");
  // Start-up's own work, the silent update check among it, is over by then.
  QTest::qWait(500);
  TEventCounter counter(*window);
  QTest::qWait(1000);
  for (const auto& [type, count] : counter.counts) ADD_FAILURE() << count << " events of type " << type;
}

}  // namespace
}  // namespace guitest
