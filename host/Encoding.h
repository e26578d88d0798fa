// Text helpers of the host tool: the module's texts are Windows-1252; the
// tool prints UTF-8 and picks one language out of a multilingual text.
#pragma once

#include <string>
#include <string_view>

std::string cp1252ToUtf8(std::string_view text);
// Throws std::invalid_argument for text that is not well-formed UTF-8 (a
// truncated or overlong sequence, a surrogate, a stray continuation byte).
// A character Windows-1252 has no byte for becomes '?'.
std::string utf8ToCp1252(std::string_view text);
// Whether `text` is well-formed UTF-8.
bool isUtf8(std::string_view text);

// Windows' wide text, each wchar_t one UTF-16 unit, as UTF-8 and back. A
// lone surrogate (a wide file name may hold one) becomes the three bytes
// UTF-8 would give its number: no well-formed UTF-8, so `isUtf8` refuses
// it, and utf16FromUtf8 gives it back. Bytes of no sequence there become
// U+FFFD.
std::string utf8FromUtf16(std::wstring_view text);
std::wstring utf16FromUtf8(std::string_view text);

// UTF-8 text for the terminal: C0 controls, DEL, C1 controls and every byte
// that is not part of well-formed UTF-8 as \xHH, one a byte, so that
// nothing read from files, names or the environment can act on a terminal.
// '\' stays as it is (Windows paths are full of them); the byte count tells
// an escaped ESC from the four characters "\x1B". With `keepLineEnds`, '\n'
// stays too. Its own output comes back unchanged.
std::string forTerminal(std::string_view text, bool keepLineEnds = false);
// Appends `byte` as two hexadecimal digits.
void appendHex(std::string& to, unsigned char byte);

// The part of a multilingual text for `language` ("en", "de", "fr", "it",
// "es", "nl"); the English part when the text has none for it. Tags are
// "|xx|"; the blanks before a tag belong to the part before it and are
// trimmed from the result's end.
std::string languagePart(std::string_view text, std::string_view language);
