#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// How long `xdg-settings` may take to name the default browser: a click
// waits for it.
constexpr std::chrono::milliseconds kBrowserLookupLimit{3000};

// The command line of the user's default web browser: $BROWSER when set,
// else the Exec= line of the desktop entry that `xdg-settings get
// default-web-browser` names, looked up in $XDG_DATA_HOME and then
// $XDG_DATA_DIRS (their applications folders, and the folders below them
// that a "-" in the name may stand for); none when neither gives one, or
// when the name holds a "/". An `xdg-settings` that does not answer within
// `lookup_limit` is stopped, and "xdg-open" stands in: it asks the same
// desktop for the address's handler without keeping anyone waiting.
std::optional<std::string> DefaultBrowserCommand(std::chrono::milliseconds lookup_limit = kBrowserLookupLimit);

// The Exec= value of the [Desktop Entry] group of a desktop entry's text
// (not of its [Desktop Action ...] groups, nor TryExec=), with the string
// escapes (\s, \n, \t, \r, \\) undone; its quoting is left for
// SplitCommandLine.
std::optional<std::string> DesktopEntryExec(std::string_view entry_text);

// Splits a command line into words: blanks separate words, double quotes
// group (with \" \` \$ \\ inside them standing for the character), as
// desktop entries and $BROWSER write commands.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

}  // namespace platform
