// Where the three data files live, and loading and saving them whole.
#include <stdexcept>

#include "model/DataFileFormats.h"
#include "model/UProjects.h"
#include "platform/AppFolder.h"
#include "platform/FileSystem.h"

namespace {

const std::string kCategoriesFile = "categories.dat";
const std::string kProjectsFileRead = "projects.dat";
const std::string kProjectsFileCreated = "Projects.dat";
const std::string kHoursFile = "Hours.dat";

// The path a data file is read from and written to: the file of that name in
// the application folder in whatever letter case it has (files written on
// Windows may arrive in any case, and "projects.dat" is created as
// "Projects.dat"), else `created_name`. So a save replaces the file that was
// read and never leaves two.
std::string DataFilePath(const std::string& name, const std::string& created_name) {
  const std::string& folder = platform::AppFolder();
  if (auto existing = platform::FindFileIgnoringCase(folder, name)) return *existing;
  return folder + created_name;
}

// Called when a load stopped early on a malformed line. A later save writes
// only what was read, so the whole file is set aside beside it first, and
// the load's error goes on naming the copy. An earlier copy that holds
// something else is never overwritten.
[[noreturn]] void StopLoadKeepingBackup(const std::string& path, std::string_view bytes, const std::string& error) {
  std::string backup = path + ".bak";
  for (int n = 2; platform::FileExists(backup); ++n) {
    if (platform::ReadWholeFile(backup) == bytes) break;
    backup = path + ".bak" + std::to_string(n);
  }
  platform::WriteWholeFileAtomically(backup, bytes);
  throw std::runtime_error(error + "\r\nThe file could not be read to its end; a copy of it was kept as \"" +
                           backup + "\".");
}

template <typename Read>
void LoadFile(const std::string& path, Read read) {
  if (!platform::FileExists(path)) return;
  const std::string bytes = platform::ReadWholeFile(path);
  try {
    read(bytes);
  } catch (const std::out_of_range& error) {
    StopLoadKeepingBackup(path, bytes, error.what());
  }
}

}  // namespace

void TProjects::LoadCategories() {
  const std::string path = DataFilePath(kCategoriesFile, kCategoriesFile);
  if (!platform::FileExists(path)) return;
  datafiles::ReadCategories(platform::ReadWholeFile(path), Categories);
}

void TProjects::LoadProjects() {
  LoadFile(DataFilePath(kProjectsFileRead, kProjectsFileCreated),
           [this](std::string_view bytes) { datafiles::ReadProjects(bytes, *this); });
}

void THours::LoadHours() {
  LoadFile(DataFilePath(kHoursFile, kHoursFile), [this](std::string_view bytes) { datafiles::ReadHours(bytes, *this); });
}

void TProjects::SaveCategories() {
  platform::WriteWholeFileAtomically(DataFilePath(kCategoriesFile, kCategoriesFile),
                                     datafiles::CategoriesText(Categories));
}

void TProjects::SaveProjects() {
  platform::WriteWholeFileAtomically(DataFilePath(kProjectsFileRead, kProjectsFileCreated),
                                     datafiles::ProjectsText(*this));
}

void THours::SaveHours() {
  platform::WriteWholeFileAtomically(DataFilePath(kHoursFile, kHoursFile), datafiles::HoursText(*this));
}
