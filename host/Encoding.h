// Text helpers of the host tool: the module's texts are Windows-1252; the
// tool prints UTF-8 and picks one language out of a multilingual text.
#pragma once

#include <string>
#include <string_view>

std::string cp1252ToUtf8(std::string_view text);
std::string utf8ToCp1252(std::string_view text);

// The part of a multilingual text for `language` ("en", "de", "fr", "it",
// "es", "nl"); the English part when the text has none for it. Tags are
// "|xx|"; the blanks before a tag belong to the part before it and are
// trimmed from the result's end.
std::string languagePart(std::string_view text, std::string_view language);
