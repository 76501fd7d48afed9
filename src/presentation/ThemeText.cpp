#include "ThemeText.h"

#include "ColorLine.h"
#include "TextLines.h"

#include <algorithm>

std::array<std::string, kThemeLineCount> SplitThemeLines(std::string_view text)
{
    std::array<std::string, kThemeLineCount> lines;
    // A lone CR may be part of a path, so only LF ends a theme line.
    LineSplitter splitter(text, LineSplitter::LoneCr::StaysInLine);
    for (std::string& line : lines) {
        const auto next = splitter.next();
        if (!next)
            break;
        line.assign(*next);
    }
    return lines;
}

std::string CutAtNul(std::string_view path)
{
    return std::string(path.substr(0, path.find('\0')));
}

ThemeFile ParseThemeText(std::string_view text)
{
    const auto lines = SplitThemeLines(text);
    ThemeFile theme;
    for (size_t i = 0; i < theme.pictureLines.size(); ++i)
        theme.pictureLines[i] = CutAtNul(lines[i]);
    theme.transColor = lines[8].empty() ? std::optional<ColorRef>(kColorWhite) : ParseColorLine(lines[8]);
    theme.backgroundLine = CutAtNul(lines[9]);
    if (!lines[10].empty())
        theme.backColor = ParseColorLine(lines[10]);
    for (size_t i = 0; i < theme.waveLines.size(); ++i)
        theme.waveLines[i] = CutAtNul(lines[11 + i]);
    return theme;
}

std::string WithForwardSlashes(std::string_view line)
{
    std::string out(line);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::filesystem::path PictureLinePath(const std::filesystem::path& programFolder, std::string_view line)
{
    // Joined as text: an absolute line must not replace the folder.
    return std::filesystem::path(programFolder.native() + "/" + WithForwardSlashes(line));
}

std::vector<std::filesystem::path> WrittenLineCandidates(std::string_view line,
                                                         const std::filesystem::path& themeFolder,
                                                         const std::filesystem::path& programFolder)
{
    std::vector<std::filesystem::path> candidates;
    if (line.empty())
        return candidates;
    auto add = [&](std::filesystem::path p) {
        if (std::find(candidates.begin(), candidates.end(), p) == candidates.end())
            candidates.push_back(std::move(p));
    };
    add(std::filesystem::path(std::string(line)));
    const std::filesystem::path forward(WithForwardSlashes(line));
    add(forward);
    if (forward.is_relative()) {
        if (!themeFolder.empty())
            add(themeFolder / forward);
        if (!programFolder.empty())
            add(programFolder / forward);
    }
    return candidates;
}
