#pragma once
#include <memory>
#include <string>

#include "model/UProjects.h"

// Small builders so that tests read as the model they describe.
inline TProject& AddProject(TProjects& projects, const std::string& name, const std::string& category,
                            const std::string& start = "", const std::string& end = "") {
  auto project = std::make_unique<TProject>();
  project->Name = name;
  project->Category = category;
  project->StartDate = start;
  project->EndDate = end;
  TProject& added = *project;
  projects.Add(name, std::move(project));
  return added;
}

inline void AddTask(TProject& project, bool done, const std::string& name, const std::string& notes = "",
                    const std::string& start = "", const std::string& end = "") {
  project.Tasks.Add(name, std::make_unique<TTask>(done, name, notes, start, end));
}

inline void AddHour(THours& hours, const std::string& day, const std::string& hour, const std::string& action) {
  hours.Add(PlannerKey(day, hour), std::make_unique<TToDoHour>(day, hour, action));
}
