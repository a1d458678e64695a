#include "app/OpenUrl.h"

#include "platform/DefaultBrowser.h"
#include "platform/ProcessStart.h"

namespace {

bool IsEnvironmentAssignment(const std::string& word) {
  const size_t equals = word.find('=');
  return equals != std::string::npos && equals > 0 && word.front() != '-';
}

bool IsSwitch(const std::string& word) { return word.size() > 1 && word.front() == '-'; }

// A desktop-entry field code: "%" and one letter.
bool IsFieldCode(const std::string& word) { return word.size() == 2 && word[0] == '%' && word[1] != '%'; }

bool IsAddressCode(const std::string& word) { return word == "%u" || word == "%U" || word == "%s"; }

// The word with field codes inside it expanded: the address codes become
// the address, "%%" a percent sign, any other code nothing.
std::string ExpandFieldCodes(const std::string& word, const std::string& url) {
  std::string expanded;
  for (size_t i = 0; i < word.size(); ++i) {
    if (word[i] != '%' || i + 1 == word.size()) {
      expanded += word[i];
      continue;
    }
    const char code = word[++i];
    if (code == '%')
      expanded += '%';
    else if (code == 'u' || code == 'U' || code == 's')
      expanded += url;
  }
  return expanded;
}

}  // namespace

std::vector<std::string> BrowserArguments(std::string_view command_line, const std::string& url) {
  std::vector<std::string> words = platform::SplitCommandLine(command_line);
  size_t program = 0;
  if (program < words.size() && words[program] == "env") {
    ++program;
    while (program < words.size() && IsEnvironmentAssignment(words[program])) ++program;
  }
  if (program >= words.size()) return {};

  bool wrapper = false;
  for (size_t i = program + 1; i < words.size(); ++i)
    if (!IsSwitch(words[i]) && !IsFieldCode(words[i])) wrapper = true;
  if (!wrapper) return {words[program], url};

  std::vector<std::string> arguments;
  bool address_placed = false;
  for (const std::string& word : words) {
    if (IsFieldCode(word) && !IsAddressCode(word)) continue;
    if (word.find('%') != std::string::npos) {
      address_placed = address_placed || word.find("%u") != std::string::npos ||
                       word.find("%U") != std::string::npos || word.find("%s") != std::string::npos;
      arguments.push_back(ExpandFieldCodes(word, url));
    } else {
      arguments.push_back(word);
    }
  }
  if (!address_placed) arguments.push_back(url);
  return arguments;
}

bool OpenUrl(const std::string& Url) {
  const auto command = platform::DefaultBrowserCommand();
  if (!command || command->empty()) return false;
  platform::StartProcess(BrowserArguments(*command, Url));
  return true;
}

void OpenWithDefaultHandler(const std::string& address) {
  // A blank link label has nothing to open; xdg-open would only print its
  // usage.
  if (address.empty()) return;
  platform::StartProcess({"xdg-open", address});
}
