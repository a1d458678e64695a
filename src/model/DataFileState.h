#pragma once
#include <functional>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

// Asked when a save is about to write over a data file that changed on disk
// since this program last read or saved it (a second copy of the program,
// a sync tool, an editor), with the file's full path: true overwrites the
// change, false leaves the file as it is.
using TOverwriteQuery = std::function<bool(const std::string& path)>;

// What the program knows of one of its data files on disk.
struct TDataFileState {
  // Set when a load found the file but could not read it, nor keep a copy
  // of what it did not read: a save then refuses to write over that file.
  bool unread = false;
  // Set once a load or a save has seen the file, or seen that there was
  // none; `stamp` is then the version it found or left, if any.
  bool seen = false;
  std::optional<platform::FileStamp> stamp;
};
