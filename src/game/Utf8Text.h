#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Length of the valid UTF-8 sequence that starts at text[i], or 0 when none
// does (stray continuation bytes, overlong forms, surrogates, truncation).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

bool IsValidUtf8(std::string_view bytes);

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined
// map to the control characters of the same number, as Windows does.
std::string Windows1252ToUtf8(std::string_view bytes);

// The first n characters of UTF-8 text, counting code points (a byte that
// is not part of a valid sequence counts as one character).
std::string FirstCharacters(std::string_view utf8, std::size_t n);
