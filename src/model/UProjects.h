#pragma once
#include <string>

#include "model/DataFileState.h"
#include "model/RecordPool.h"
#include "model/TStringList.h"

class TTask {
 public:
  static void* operator new(std::size_t size) { return TRecordPool<TTask>::Allocate(size); }
  static void operator delete(void* record, std::size_t size) { TRecordPool<TTask>::Free(record, size); }

  TTask(bool done, std::string name, std::string notes, std::string start_date,
        std::string end_date)
      : Done(done),
        Name(std::move(name)),
        Notes(std::move(notes)),
        StartDate(std::move(start_date)),
        EndDate(std::move(end_date)) {}

  bool Done;
  std::string Name;
  std::string Notes;
  std::string StartDate;
  std::string EndDate;
};

class TProject {
 public:
  static void* operator new(std::size_t size) { return TRecordPool<TProject>::Allocate(size); }
  static void operator delete(void* record, std::size_t size) { TRecordPool<TProject>::Free(record, size); }

  std::string Name;
  TStringList<TTask> Tasks;  // entry text: the task's name when it was added
  std::string Category;
  std::string StartDate;
  std::string EndDate;

  void ClearTasks();
  // Replaces the tasks by the eleven default tasks, none done.
  void SetDefaultTasks();
  int DoneCount() const;
  // Rounded share of done tasks, halves to even: 1 of 8 gives 12.
  int PercentDone() const;
};

class TToDoHour {
 public:
  static void* operator new(std::size_t size) { return TRecordPool<TToDoHour>::Allocate(size); }
  static void operator delete(void* record, std::size_t size) { TRecordPool<TToDoHour>::Free(record, size); }

  TToDoHour(std::string day, std::string hour, std::string action)
      : Day(std::move(day)), Hour(std::move(hour)), Action(std::move(action)) {}

  std::string Day;
  std::string Hour;
  std::string Action;
};

// The planner key of a slot: Day + "-" + Hour, e.g. 12/13/2007-9:00 AM.
std::string PlannerKey(const std::string& day, const std::string& hour);

// The caption of hour row n, 1 to 24: 1:00 AM ... 11:00 AM, 12:00 M,
// 1:00 PM ... 11:00 PM, 12:00 PM. These are also the stored Hour values.
std::string HourCaption(int row);

// The project collection: entry text = project name, object = the project.
class TProjects : public TStringList<TProject> {
 public:
  TTextList Categories;

  // First project whose own Name equals `name` exactly; stores its position
  // in `index`. Returns none and leaves `index` alone when there is none.
  TProject* FindProjectByName(const std::string& name, int& index) const;

  void LoadCategories();  // "categories.dat"
  void LoadProjects();    // "projects.dat", in any letter case
  // A save whose file another writer changed since it was read or saved
  // asks `overwrite_changed`, and without one refuses with an error.
  void SaveCategories(const TOverwriteQuery& overwrite_changed = {});  // "categories.dat"
  void SaveProjects(const TOverwriteQuery& overwrite_changed = {});  // "Projects.dat", replacing the file read

 private:
  TDataFileState categories_file_;
  TDataFileState projects_file_;
};

// The planner collection: entry text = planner key, object = the entry.
class THours : public TStringList<TToDoHour> {
 public:
  void LoadHours();  // "Hours.dat"
  void SaveHours(const TOverwriteQuery& overwrite_changed = {});  // "Hours.dat", as in TProjects

 private:
  TDataFileState hours_file_;
};
