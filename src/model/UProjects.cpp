#include "model/UProjects.h"

#include <array>
#include <cmath>

namespace {

constexpr std::array<const char*, 11> kDefaultTasks = {
    "Purchase Domain Name",   "Purchase Web Hosting",  "Develop Info Product",
    "Write Web Sales Copy",   "Header & Box Graphics", "Setup Web Sites Pages",
    "Gather Testimonial",     "New Click Bank Account", "Solo & Affiliate Ads",
    "Send Mailing To Lists",  "Sell one",
};

}  // namespace

void TProject::ClearTasks() { Tasks.Clear(); }

void TProject::SetDefaultTasks() {
  ClearTasks();
  for (const char* name : kDefaultTasks) Tasks.Add(name, std::make_unique<TTask>(false, name, "", "", ""));
}

int TProject::DoneCount() const {
  int done = 0;
  for (int i = 0; i < Tasks.Count(); ++i)
    if (Tasks.Objects(i)->Done) ++done;
  return done;
}

int TProject::PercentDone() const {
  if (Tasks.Empty()) return 0;
  // Extended precision and rounding half to even, so that the gauge shows
  // what users of earlier versions saw: 1 of 8 is 12, 3 of 8 is 38.
  const long double share = static_cast<long double>(DoneCount()) / Tasks.Count() * 100.0L;
  return static_cast<int>(std::nearbyintl(share));
}

std::string PlannerKey(const std::string& day, const std::string& hour) {
  std::string key;
  key.reserve(day.size() + 1 + hour.size());
  key.append(day).append(1, '-').append(hour);
  return key;
}

std::string HourCaption(int row) {
  if (row < 12) return std::to_string(row) + ":00 AM";
  if (row == 12) return "12:00 M";
  return std::to_string(row - 12) + ":00 PM";
}

TProject* TProjects::FindProjectByName(const std::string& name, int& index) const {
  for (int i = 0; i < Count(); ++i) {
    if (Objects(i)->Name == name) {
      index = i;
      return Objects(i);
    }
  }
  return nullptr;
}
