#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "model/ByteScan.h"

// How the model's text (UTF-8) is stored in the data files (Windows-1252
// bytes, one record a line, "^" between fields).
//
// Text that fits the code page and holds no line break, no "^" (where "^"
// separates fields) and no NUL is written byte for byte as files always were.
// Anything else would break the line structure or be lost, so each such
// character is written as ESC (0x1B), its code point in upper-case hex, and
// ";": "^" becomes ESC "5E;", LF ESC "A;", a Chinese character ESC "4E2D;".
// ESC itself is written that way too, so every ESC in a file starts such an
// escape and reading gives back exactly the text that was written. ESC never
// occurs in text anybody types, so files written by earlier versions (which
// had no escape) read as before.
enum class Caret { kKept, kEscaped };

// Length of the start of `text` that is stored byte for byte: printable
// ASCII (0x20 to 0x7F), less "^" where it separates fields. Inline, as a
// save asks it of every field and almost always gets the whole field back.
inline size_t StoredAsIsLength(std::string_view text, Caret caret) {
  auto outside_printable_ascii = [](uint64_t word) {
    return (word & bytescan::kHighBits) | bytescan::BytesBelow(word, 0x20);
  };
  if (caret == Caret::kKept) return bytescan::PlainRun(text, outside_printable_ascii);
  return bytescan::PlainRun(text, [&](uint64_t word) {
    return outside_printable_ascii(word) | bytescan::BytesEqual(word, '^');
  });
}

// Appends the stored form of `text` to `bytes`.
void AppendEncodedField(std::string& bytes, std::string_view text, Caret caret);
// The stored form of one text on its own. The writers append to the file's
// text instead; this is for checking the encoding by itself, which the tests
// and the fuzzer do (that decoding gives back every text).
std::string EncodeField(std::string_view text, Caret caret);
std::string DecodeField(std::string_view bytes);
