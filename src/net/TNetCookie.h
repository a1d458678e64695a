#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The attribute items of a Set-Cookie value after its first item: names
// upper-cased, values as sent.
class TNetCookieAttributes {
 public:
  explicit TNetCookieAttributes(std::vector<std::string> items) : items_(std::move(items)) {}
  // The value of the first "name=value" item of that name; empty when absent.
  std::string Value(std::string_view name) const;
  // Whether a bare item (one without "=") of that name is present.
  bool HasFlag(std::string_view name) const;

 private:
  std::vector<std::string> items_;
};

// A cookie as the original Netscape proposal describes it.
class TNetNetscapeCookie {
 public:
  enum TCookieKind { ckPlain = 0, ckVersion1 = 1, ckVersion2 = 2 };

  TNetNetscapeCookie() : TNetNetscapeCookie(ckPlain) {}
  virtual ~TNetNetscapeCookie() = default;

  // Reads a Set-Cookie value; the same text twice in a row is read once.
  void SetCookie(std::string_view text);
  // The cookie written back as a Set-Cookie value, attributes included.
  virtual std::string ServerCookie() const;

  std::string CookieText;
  std::string CookieName;
  std::string Value;
  std::string Path;
  std::string Domain;
  std::string Expires;  // Internet date text, or empty
  bool Secure = false;
  int CookieKind;

 protected:
  explicit TNetNetscapeCookie(int kind) : CookieKind(kind) {}
  virtual void ReadAttributes(const TNetCookieAttributes& attributes);
};

// A version 1 cookie: adds Max-Age, Version and Comment.
class TNetCookieRFC2109 : public TNetNetscapeCookie {
 public:
  TNetCookieRFC2109() : TNetNetscapeCookie(ckVersion1) {}
  std::string ServerCookie() const override;

  std::int64_t MaxAge = -1;  // seconds; -1 for none
  std::string Version;
  std::string Comment;

 protected:
  explicit TNetCookieRFC2109(int kind) : TNetNetscapeCookie(kind) {}
  void ReadAttributes(const TNetCookieAttributes& attributes) override;
};

// A version 2 cookie (Set-Cookie2): adds CommentURL, Discard and the ports.
// These are kept but play no part in sending.
class TNetCookieRFC2965 : public TNetCookieRFC2109 {
 public:
  TNetCookieRFC2965() : TNetCookieRFC2109(ckVersion2) {}

  std::string CommentURL;
  bool Discard = false;
  std::vector<int> PortList;

 protected:
  // Throws platform::ConversionError for a quoted port that is no number.
  void ReadAttributes(const TNetCookieAttributes& attributes) override;
};
