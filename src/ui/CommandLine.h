#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the command line asks of the program. Every argument is judged here,
// before the toolkit is started, so that the help, the version and every
// mistake are answered without a display. The toolkit's own options are
// known by name and left for it to take.
struct CommandLine {
    // The first game's board.
    std::optional<uint32_t> boardNumber;
    // The first game is today's daily board.
    bool daily = false;
    // A game from the history to watch instead: its id, or kLastGame.
    static constexpr int64_t kLastGame = -1;
    std::optional<int64_t> replay;
    // Set when the program ends at once with this status: 0 after the help or
    // the version, 2 for a malformed command line.
    std::optional<int> exitStatus;
    // For standard output and standard error.
    QString out;
    QString err;
};

class Translations;

// `words`, when given, puts the help and the messages in the player's language.
CommandLine ReadCommandLine(const QStringList& arguments, const Translations* words = nullptr);
