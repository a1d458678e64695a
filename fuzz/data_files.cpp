// Any bytes in the data files give a model or one of the load errors.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "model/DataFiles.h"
#include "model/FieldEncoding.h"
#include "model/UProjects.h"
#include "model/UUtils.h"
#include "platform/AppFolder.h"
#include "platform/FileSystem.h"

namespace {

std::string Folder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/tarvik-fuzz-XXXXXX";
    return std::string(mkdtemp(pattern)) + "/";
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> parts;
  SplitDelimited('^', bytes, parts);
  datafiles::SplitTaskLine(bytes, parts);
  const std::string decoded = DecodeField(bytes);
  if (DecodeField(EncodeField(decoded, Caret::kEscaped)) != decoded) __builtin_trap();

  platform::SetAppFolder(Folder());
  for (const char* name : {"projects.dat", "Hours.dat", "categories.dat"})
    platform::WriteWholeFileAtomically(Folder() + name, bytes);
  // Remove earlier backups so that each run starts alike.
  for (const char* name : {"projects.dat.bak", "Hours.dat.bak"}) std::remove((Folder() + name).c_str());

  TProjects projects;
  THours hours;
  projects.LoadCategories();
  try {
    projects.LoadProjects();
  } catch (const std::runtime_error&) {
  }
  try {
    hours.LoadHours();
  } catch (const std::runtime_error&) {
  }
  // What was read must save and read back to the same model.
  projects.SaveProjects();
  hours.SaveHours();
  TProjects again;
  THours hours_again;
  again.LoadProjects();
  hours_again.LoadHours();
  if (again.Count() != projects.Count() || hours_again.Count() != hours.Count()) __builtin_trap();
  return 0;
}
