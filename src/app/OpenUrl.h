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
// argument: `firefox --new-window %u` starts `firefox URL`.
//
// Wrapper mode: a command with any other word after the program (one that
// is neither a switch nor a placeholder) cannot be cut down that way, since
// the word may be what names the browser (`flatpak run org.example.Browser
// %u`). Its words are then used as they stand, `env` and its assignments
// included: %u, %U and %s become the address (also inside a word), "%%" a
// percent sign, the other field codes are removed, and the address goes
// last when no placeholder took it. So a switch with a value
// (`firefox -P work %u`) keeps its value and starts `firefox -P work URL`,
// and a lone "-" counts as such a word.
std::vector<std::string> BrowserArguments(std::string_view command_line, const std::string& url);

// Opens an address with the system's default handler for it (a link
// label's target), silently.
void OpenWithDefaultHandler(const std::string& address);
