#include "platform/DefaultBrowser.h"

#include <cstdlib>
#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/ProcessStart.h"
#include "platform/Text.h"

namespace platform {
namespace {

// The folders desktop entries live in, most personal first.
std::vector<std::string> ApplicationFolders() {
  std::vector<std::string> folders;
  const char* data_home = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  if (data_home != nullptr && *data_home != '\0')
    folders.push_back(std::string(data_home) + "/applications/");
  else if (home != nullptr && *home != '\0')
    folders.push_back(std::string(home) + "/.local/share/applications/");
  const char* data_dirs = std::getenv("XDG_DATA_DIRS");
  const std::string dirs = data_dirs != nullptr && *data_dirs != '\0' ? data_dirs : "/usr/local/share:/usr/share";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    if (end > start) folders.push_back(dirs.substr(start, end - start) + "/applications/");
    start = end + 1;
  }
  return folders;
}

// A desktop-file ID names a file in an applications folder or, with "-"
// standing for "/", in a folder below it: kde4-foo.desktop may be
// kde4/foo.desktop.
std::optional<std::string> FindDesktopEntry(const std::string& folder, const std::string& id) {
  if (FileExists(folder + id)) return folder + id;
  for (size_t dash = id.find('-'); dash != std::string::npos; dash = id.find('-', dash + 1)) {
    const std::string part = id.substr(0, dash);
    if (part.empty() || part == "." || part == "..") continue;  // never out of the folder
    const std::string subfolder = folder + part + "/";
    std::error_code no_folder;
    if (!std::filesystem::is_directory(subfolder, no_folder)) continue;
    if (auto found = FindDesktopEntry(subfolder, id.substr(dash + 1))) return found;
  }
  return std::nullopt;
}

// A desktop entry's string value with its escapes (\s, \n, \t, \r, \\)
// undone; other backslashes stay for the command line's own quoting.
std::string UnescapedString(std::string_view value) {
  std::string text;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      text += value[i];
      continue;
    }
    switch (value[i + 1]) {
      case 's': text += ' '; break;
      case 'n': text += '\n'; break;
      case 't': text += '\t'; break;
      case 'r': text += '\r'; break;
      case '\\': text += '\\'; break;
      default: text += value[i]; continue;
    }
    ++i;
  }
  return text;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view command_line) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  bool quoted = false;
  for (size_t i = 0; i < command_line.size(); ++i) {
    const char c = command_line[i];
    if (quoted) {
      if (c == '"') {
        quoted = false;
      } else if (c == '\\' && i + 1 < command_line.size() &&
                 std::string_view("\"`$\\").find(command_line[i + 1]) != std::string_view::npos) {
        word += command_line[++i];
      } else {
        word += c;
      }
    } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      if (in_word) words.push_back(std::move(word));
      word.clear();
      in_word = false;
    } else if (c == '"') {
      quoted = true;
      in_word = true;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(std::move(word));
  return words;
}

std::optional<std::string> DesktopEntryExec(std::string_view entry_text) {
  bool in_entry_group = false;
  size_t start = 0;
  while (start < entry_text.size()) {
    size_t end = entry_text.find('\n', start);
    if (end == std::string_view::npos) end = entry_text.size();
    const std::string_view line = TrimmedOfBlanks(entry_text.substr(start, end - start));
    start = end + 1;
    if (line.starts_with('[')) {
      in_entry_group = line == "[Desktop Entry]";
    } else if (in_entry_group && line.starts_with("Exec")) {
      const std::string_view rest = TrimmedOfBlanks(line.substr(4));
      if (rest.starts_with('=')) return UnescapedString(TrimmedOfBlanks(rest.substr(1)));
    }
  }
  return std::nullopt;
}

std::optional<std::string> DefaultBrowserCommand(std::chrono::milliseconds lookup_limit) {
  if (const char* browser = std::getenv("BROWSER"); browser != nullptr && *browser != '\0') {
    // $BROWSER may list several commands separated by ":"; the first is
    // the user's choice.
    const std::string_view commands(browser);
    return std::string(TrimmedOfBlanks(commands.substr(0, commands.find(':'))));
  }
  const CapturedOutput entry_name = RunAndCapture({"xdg-settings", "get", "default-web-browser"}, lookup_limit);
  if (entry_name.ending == CapturedOutput::Ending::TimedOut) return "xdg-open";
  if (entry_name.ending == CapturedOutput::Ending::Failed) return std::nullopt;
  const std::string name(TrimmedOfBlanks(entry_name.text));
  if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  for (const std::string& folder : ApplicationFolders()) {
    const auto path = FindDesktopEntry(folder, name);
    if (!path) continue;
    try {
      if (auto exec = DesktopEntryExec(ReadWholeFile(*path)); exec && !exec->empty()) return exec;
    } catch (const FileError&) {
    }
  }
  return std::nullopt;
}

}  // namespace platform
