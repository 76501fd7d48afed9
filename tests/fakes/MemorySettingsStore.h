#pragma once

#include "SettingsStore.h"

#include <optional>
#include <string>
#include <vector>

// "Settings.log" in memory: `file` is what a read finds, and every write
// replaces it and is kept in `writes`. With `failure` set, writes fail with
// that reason and leave the file as it was.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<std::string> file;
    std::vector<std::string> writes;
    std::optional<std::string> failure;
    int reads = 0;

    std::optional<std::string> Read() override
    {
        ++reads;
        return file;
    }
    SettingsWriteResult Write(const Compose& compose) override
    {
        const std::string bytes = compose(file);
        if (failure)
            return {false, "/memory/Settings.log", *failure};
        writes.push_back(bytes);
        file = bytes;
        return {true, "/memory/Settings.log", {}};
    }
};
