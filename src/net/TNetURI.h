#pragma once
#include <string>
#include <string_view>

// A URL taken apart into the pieces the HTTP exchange works with, and put
// back together. Nothing is percent-encoded or decoded: the text goes onto
// the request line exactly as the caller gave it.
class TNetURI {
 public:
  TNetURI() = default;
  explicit TNetURI(std::string_view uri);

  // Parsing never fails: odd texts give odd fields.
  void SetURI(std::string_view uri);

  // Throws ENetURIException "Protocol field is empty" or
  // "Host field is empty".
  std::string GetFullURI(bool include_credentials = true,
                         bool include_bookmark = true) const;

  // Remembers the full text (credentials and bookmark included) as URIText
  // and returns the full URI without either.
  std::string GetURI();

  // Resolves `path` against `base`: an absolute path wins, otherwise the two
  // are joined, runs of "/" collapse and ".." climbs one folder. A single "."
  // stays as it is.
  static std::string PathMerge(std::string_view base, std::string_view path);

  std::string URIText;
  std::string Protocol;
  std::string Host;
  std::string Port;
  std::string Path;      // "/" + directories, each with its trailing "/"
  std::string Document;  // the last segment
  std::string Params;    // from "?" (included) to the end, less a fragment
  std::string Bookmark;  // the fragment, without "#"
  std::string Username;
  std::string Password;
};
