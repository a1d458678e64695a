#include "net/TNetURI.h"

#include <algorithm>

#include "net/ENetExceptions.h"

namespace {

constexpr char kSeparator = '/';

// Where the query starts ("?", else "=") and how many leading characters
// form the path: up to the last "/" at or before the query, or the last "/"
// of all when there is no query.
struct PathSplit {
  std::string::size_type query;  // npos when there is none
  std::string::size_type path_length;
};

PathSplit SplitPath(const std::string& text) {
  PathSplit split{text.find('?'), 0};
  if (split.query == std::string::npos) split.query = text.find('=');
  const auto last_slash = split.query == std::string::npos
                              ? text.rfind(kSeparator)
                              : text.rfind(kSeparator, split.query);
  split.path_length = last_slash == std::string::npos ? 0 : last_slash + 1;
  return split;
}

// Splits `text` at its first "#": `text` keeps what came before, the
// returned value is what came after. Nothing changes without a "#".
bool MoveFragment(std::string& text, std::string& fragment) {
  const auto hash = text.find('#');
  if (hash == std::string::npos) return false;
  fragment = text.substr(hash + 1);
  text.erase(hash);
  return true;
}

}  // namespace

TNetURI::TNetURI(std::string_view uri) {
  if (!uri.empty()) SetURI(uri);
}

void TNetURI::SetURI(std::string_view uri) {
  std::string text(uri);
  // Windows users type backslashes; they mean "/". UTF-8 never uses the
  // backslash byte inside a multi-byte character, so every one is a real one.
  std::replace(text.begin(), text.end(), '\\', '/');

  URIText = std::string(uri);
  Protocol.clear();
  Host.clear();
  Port.clear();
  Path.clear();
  Document.clear();
  Params.clear();
  Bookmark.clear();
  Username.clear();
  Password.clear();

  // A "://" after the first "/", "?" or "#" belongs to a path or a query
  // ("/go?to=http://x/"), not to a protocol.
  const auto scheme_end = text.find("://");
  const bool absolute = scheme_end != std::string::npos &&
                        text.find_first_of("/?#") == scheme_end + 1;
  std::string rest;
  if (absolute) {
    Protocol = text.substr(0, scheme_end);
    rest = text.substr(scheme_end + 3);
    std::string authority;
    const auto slash = rest.find(kSeparator);
    if (slash == std::string::npos) {
      authority = std::move(rest);
      rest.clear();
    } else {
      authority = rest.substr(0, slash);
      rest.erase(0, slash + 1);
    }
    const auto at = authority.find('@');
    if (at != std::string::npos) {
      const std::string credentials = authority.substr(0, at);
      authority.erase(0, at + 1);
      const auto colon = credentials.find(':');
      Username = credentials.substr(0, colon);
      if (colon != std::string::npos) Password = credentials.substr(colon + 1);
      if (Username.empty()) Password.clear();
    }
    const auto colon = authority.find(':');
    Host = authority.substr(0, colon);
    if (colon != std::string::npos) Port = authority.substr(colon + 1);
  } else {
    rest = std::move(text);
  }

  const PathSplit split = SplitPath(rest);
  Path = (absolute ? "/" : "") + rest.substr(0, split.path_length);
  if (split.query != std::string::npos) {
    Document = rest.substr(0, split.query);
    Params = rest.substr(split.query);
  } else {
    Document = rest;
  }
  Document.erase(0, std::min(split.path_length, Document.size()));

  if (absolute) MoveFragment(Document, Bookmark);
  if (Bookmark.empty()) MoveFragment(Params, Bookmark);
}

std::string TNetURI::GetFullURI(bool include_credentials,
                                bool include_bookmark) const {
  if (Protocol.empty()) throw ENetURIException("Protocol field is empty");
  if (Host.empty()) throw ENetURIException("Host field is empty");
  std::string text = Protocol + "://";
  if (include_credentials && !Username.empty()) {
    text += Username;
    if (!Password.empty()) text += ":" + Password;
    text += "@";
  }
  text += Host;
  if (!Port.empty()) text += ":" + Port;
  text += Path + Document + Params;
  if (include_bookmark && !Bookmark.empty()) text += "#" + Bookmark;
  return text;
}

std::string TNetURI::GetURI() {
  URIText = GetFullURI(true, true);
  return GetFullURI(false, false);
}

std::string TNetURI::PathMerge(std::string_view base, std::string_view path) {
  if (!path.empty() && path.front() == kSeparator) return std::string(path);

  const bool keep_trailing = path.empty() || path.back() == kSeparator;
  std::string joined(base);
  if (!joined.empty() && joined.back() != kSeparator) joined += kSeparator;
  joined += path;

  std::string result;
  for (std::size_t i = 0; i < joined.size(); ++i) {
    const char c = joined[i];
    if (c == kSeparator) {
      if (result.empty() || result.back() != kSeparator)
        result += kSeparator;
    } else if (c == '.' && !result.empty() && result.back() == kSeparator &&
               i + 1 < joined.size() && joined[i + 1] == '.') {
      // ".." climbs one folder: drop the "/" we stand on and the folder
      // name before it, keeping the "/" that opened that folder.
      result.pop_back();
      const auto previous = result.rfind(kSeparator);
      result.erase(previous == std::string::npos ? 0 : previous + 1);
      ++i;
    } else {
      result += c;
    }
  }

  const std::string separator(1, kSeparator);
  if (result != separator && !result.empty() && result.back() == kSeparator &&
      !keep_trailing)
    result.pop_back();
  return result;
}
