#pragma once
// The boards hold IDs as 8-bit text, which lanset-cli reads as Latin-1; the terminal, the
// arguments and the files it reads and writes are UTF-8.
#include <optional>
#include <string>

// The Latin-1 bytes of UTF-8 text; nullopt when the text is no UTF-8 or holds a character
// that Latin-1 lacks (offending receives that character, or the bad bytes).
std::optional<std::string> latin1FromUtf8(const std::string& utf8, std::string* offending = nullptr);
// Latin-1 bytes as UTF-8.
std::string utf8FromLatin1(const std::string& latin1);
// A board's text for a terminal line: control characters (C0, DEL and C1) shown as '?', so that
// every byte is one column wide; still Latin-1.
std::string printableLatin1(std::string latin1);
// The one way a board's or a file's text (Latin-1) reaches a terminal or a message: control
// characters shown as '?', then UTF-8.
std::string printableText(const std::string& latin1);
// The same for text that is UTF-8 already (a file's cell, a path): control characters (C0, DEL,
// C1), the bidirectional overrides and embeddings, and bytes that are no UTF-8, each shown as '?'.
std::string printableUtf8(const std::string& utf8);

// How text reads as UTF-8: the offset of its first malformed sequence (npos: none), and whether
// it holds a well-formed sequence of more than one byte anywhere.
struct Utf8Scan {
    size_t firstBad = std::string::npos;
    bool multiByte = false;
};
Utf8Scan scanUtf8(const std::string& text);
// Windows-1252 bytes (what a spreadsheet saves as CSV on Windows) as UTF-8. The five bytes that
// 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD, which no 1252 text holds.
std::string utf8FromWindows1252(const std::string& bytes);
