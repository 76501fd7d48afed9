#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

inline constexpr int kHighScoreSlots = 10;

// The high-score table: slot 0 the best, scores in descending order as the
// game keeps them (a table read from a file is taken as it stands).
struct HighScoreTable {
    std::array<std::string, kHighScoreSlots> StrHighNames{};
    std::array<int32_t, kHighScoreSlots> LngHighScores{};
    friend bool operator==(const HighScoreTable&, const HighScoreTable&) = default;
};

// A name typed at the prompt keeps this many characters.
inline constexpr int kHighScoreNameLength = 25;

// What entering a final score did: whether any slot changed, and the score
// carried past the last slot (the final score itself when nothing changed).
struct ScoreEntry {
    bool entered = false;
    int32_t carried = 0;
};

// Walks the final score down the table; askName(slot) is called for each slot
// that needs the player's name, after the slot holds its new score, and its
// answer is cut to kHighScoreNameLength characters.
ScoreEntry EnterHighScore(HighScoreTable& table, int32_t score, const std::function<std::string(int slot)>& askName);

// The table to write when the file now holds `onDisk`, which another copy of
// the game may have written since this one last read or wrote `base`: ours
// when no other copy wrote, else the file's table with our changes since
// `base`, the ten best kept.
HighScoreTable MergeHighScores(const HighScoreTable& base, const HighScoreTable& onDisk, const HighScoreTable& ours);
