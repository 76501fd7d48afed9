#include "HighScoreTable.h"

#include "Utf8Text.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

// The final score walks down the table as the carried entry. Where it beats
// a slot it takes the slot, and the slot's old entry is carried on; an entry
// with the same score stays above it. The player's own entry is the one with
// no name yet and a score: it is named by the prompt, and so is any entry
// moved down that was once entered without a name. Whatever is carried past
// the last slot drops out.
ScoreEntry EnterHighScore(HighScoreTable& table, int32_t score, const std::function<std::string(int slot)>& askName)
{
    ScoreEntry entry{false, score};
    std::string carriedName;
    for (int i = 0; i < kHighScoreSlots; ++i) {
        if (table.LngHighScores[i] >= entry.carried) continue;
        entry.entered = true;
        const int32_t oldScore = table.LngHighScores[i];
        table.LngHighScores[i] = entry.carried;
        if (!carriedName.empty() || entry.carried == 0) {
            std::swap(table.StrHighNames[i], carriedName);
        } else {
            carriedName = table.StrHighNames[i];
            table.StrHighNames[i] = FirstCharacters(askName(i), kHighScoreNameLength);
        }
        entry.carried = oldScore;
    }
    return entry;
}

// Two copies of the game on one folder each hold the table as they last read
// or wrote it (the base) and add their own scores. When the file still holds
// the base, no other copy has written and ours is written as it stands. Else
// the file's table is taken with our changes since the base applied to it: an
// entry is its name and score; one we no longer hold (moved out of the ten,
// or named at the second prompt) leaves, one we added joins. The scores are
// then sorted, highest first, without reordering equal ones: like a score
// entered by EnterHighScore, an entry the file does not know yet goes below
// those with the same score. Slots never filled (no name, score 0) are no
// entries; the ten best fill the table and never-filled slots pad it.
HighScoreTable MergeHighScores(const HighScoreTable& base, const HighScoreTable& onDisk, const HighScoreTable& ours)
{
    if (onDisk == base) return ours;
    using Entry = std::pair<std::string, int32_t>;
    const auto entriesOf = [](const HighScoreTable& table) {
        std::vector<Entry> entries;
        for (int i = 0; i < kHighScoreSlots; ++i)
            if (!table.StrHighNames[i].empty() || table.LngHighScores[i] != 0)
                entries.emplace_back(table.StrHighNames[i], table.LngHighScores[i]);
        return entries;
    };
    // What `from` holds more often than `than`, in the order of `from`.
    const auto minus = [](std::vector<Entry> from, const std::vector<Entry>& than) {
        std::map<Entry, int> left;
        for (const Entry& entry : than) ++left[entry];
        std::erase_if(from, [&](const Entry& entry) { return left[entry]-- > 0; });
        return from;
    };
    const std::vector<Entry> baseEntries = entriesOf(base);
    const std::vector<Entry> ourEntries = entriesOf(ours);
    std::vector<Entry> entries = minus(entriesOf(onDisk), minus(baseEntries, ourEntries));
    for (Entry& entry : minus(ourEntries, baseEntries)) entries.push_back(std::move(entry));
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.second > b.second; });

    HighScoreTable merged;
    for (std::size_t i = 0; i < entries.size() && i < kHighScoreSlots; ++i)
        std::tie(merged.StrHighNames[i], merged.LngHighScores[i]) = entries[i];
    return merged;
}
