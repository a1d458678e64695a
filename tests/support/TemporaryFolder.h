#pragma once
#include <filesystem>
#include <string>

#include "platform/AppFolder.h"
#include "platform/FileSystem.h"

// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends. As the application folder it makes the program
// read and write its files there.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvik-test-XXXXXX").string();
    path_ = std::string(::mkdtemp(pattern.data())) + "/";
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }
  void Write(const std::string& name, const std::string& bytes) const {
    platform::WriteWholeFileAtomically(File(name), bytes);
  }
  std::string Read(const std::string& name) const { return platform::ReadWholeFile(File(name)); }
  bool Has(const std::string& name) const { return platform::FileExists(File(name)); }

 private:
  std::string path_;
};

// The application folder pointed at a temporary folder for one test.
class TemporaryAppFolder : public TemporaryFolder {
 public:
  TemporaryAppFolder() : previous_(platform::AppFolder()) { platform::SetAppFolder(Path()); }
  ~TemporaryAppFolder() { platform::SetAppFolder(previous_); }

 private:
  std::string previous_;
};
