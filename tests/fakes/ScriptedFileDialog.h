#pragma once

#include "Services.h"

#include <filesystem>
#include <string>
#include <vector>

// A file dialog that returns a scripted path (empty: cancelled) and records
// the folder it was asked to start in.
class ScriptedFileDialog final : public FileDialogService {
public:
    std::string answer;
    std::vector<std::filesystem::path> startFolders;

    std::string ShowThemeDialog(const std::filesystem::path& startFolder) override
    {
        startFolders.push_back(startFolder);
        return answer;
    }
};
