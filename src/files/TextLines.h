#pragma once

#include <optional>
#include <string_view>

// Hands out a text's lines one at a time. CR LF and LF end a line everywhere;
// a lone CR ends one too in "Settings.log", but stays in the line in a theme
// file, where it may be part of a path. Text after the last line break is a
// line of its own; an ending line break does not start one. Lines are cut
// only as they are asked for, so a file of nothing but line breaks costs no
// more than the lines a reader uses.
class LineSplitter {
public:
    enum class LoneCr { EndsLine, StaysInLine };

    explicit LineSplitter(std::string_view text, LoneCr loneCr = LoneCr::EndsLine)
        : m_rest(text), m_loneCr(loneCr)
    {
    }

    bool atEnd() const { return m_rest.empty(); }
    std::optional<std::string_view> next();

private:
    std::string_view m_rest;
    LoneCr m_loneCr;
};
