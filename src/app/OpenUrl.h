#pragma once
#include <string>
#include <string_view>
#include <vector>

// Opens a web address in the user's default browser. True when a browser
// command was found and a start was attempted, whether or not the browser
// started; false, starting nothing, when no browser is known.
bool OpenUrl(const std::string& Url);

// The argument vector that opens `url` with a browser command line.
//
// The program is the command's first word with its quotes removed, after a
// leading `env` and its NAME=VALUE words; switches and placeholders (%u, %U,
// %s and the other field codes) are dropped, and the address is the one
// argument. A command whose other words are not switches or placeholders (a
// wrapper such as `flatpak run org.example.Browser %u`) cannot start the
// browser that way: its words are used as they stand, %u, %U and %s replaced
// by the address and the other field codes removed.
std::vector<std::string> BrowserArguments(std::string_view command_line, const std::string& url);

// Opens an address with the system's default handler for it (a link
// label's target), silently.
void OpenWithDefaultHandler(const std::string& address);
