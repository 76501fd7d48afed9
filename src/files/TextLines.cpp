#include "TextLines.h"

std::optional<std::string_view> LineSplitter::next()
{
    if (m_rest.empty()) return std::nullopt;
    const std::size_t end = m_rest.find_first_of(m_loneCr == LoneCr::EndsLine ? "\r\n" : "\n");
    std::string_view line = m_rest.substr(0, end);
    if (end == std::string_view::npos) {
        m_rest = {};
        return line;
    }
    if (m_rest[end] == '\n') {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        m_rest.remove_prefix(end + 1);
    } else {
        const bool crlf = end + 1 < m_rest.size() && m_rest[end + 1] == '\n';
        m_rest.remove_prefix(end + (crlf ? 2 : 1));
    }
    return line;
}
