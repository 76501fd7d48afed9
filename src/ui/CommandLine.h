#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the command line asks of the program.
struct CommandLine {
    // The first game's board.
    std::optional<uint32_t> boardNumber;
    // Set when the program ends at once with this status: 0 after the help or
    // the version, 2 for a malformed command line.
    std::optional<int> exitStatus;
    // Options this parser does not know. They may be the toolkit's own
    // (-platform, -style ...), so the line is read again once the toolkit
    // has taken those; still there then, they are a mistake.
    bool unknownOptions = false;
    // For standard output and standard error.
    QString out;
    QString err;
};

CommandLine ReadCommandLine(const QStringList& arguments);
