#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <vector>

// Copies the example themes into the program folder, where their picture
// lines resolve, and writes hostile themes beside them: lines naming missing
// files and folders, pictures and waves of garbage bytes or cut short, lines
// far longer than any path, odd bytes and line ends. Returns every path the
// bot may answer the theme dialog with, including a folder, a missing file
// and the empty answer of a cancelled dialog.
std::vector<std::string> WriteSoakThemes(const std::filesystem::path& examples,
                                         const std::filesystem::path& programFolder, std::mt19937_64& random);
