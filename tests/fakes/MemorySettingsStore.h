#pragma once

#include "SettingsStore.h"

#include <optional>
#include <string>
#include <vector>

// "Settings.log" in memory: `file` is what a read finds, and every write
// replaces it and is kept in `writes`.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<std::string> file;
    std::vector<std::string> writes;
    int reads = 0;

    std::optional<std::string> Read() override
    {
        ++reads;
        return file;
    }
    bool Write(const std::string& bytes) override
    {
        writes.push_back(bytes);
        file = bytes;
        return true;
    }
};
