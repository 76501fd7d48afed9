// Fuzzes the settings reader with any bytes as "Settings.log" and checks what
// the game relies on: what was read is written back as valid UTF-8 and reads
// back the same, and the high-score merge gives ten sorted rows and is
// idempotent, so two copies of the game never disagree about a table.
#include "SettingsFile.h"
#include "Utf8Text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string_view>

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

// What the game writes after starting on this read (missing values at their initial 0 and empty).
SettingsWrite Written(const SettingsRead& read)
{
    SettingsWrite values;
    values.GameTheme = read.GameTheme.value_or("");
    values.GameWidth = read.GameWidth.value_or(0);
    values.GameHeight = read.GameHeight.value_or(0);
    values.GameTime = read.GameTime.value_or(0);
    values.mute = read.mute;
    values.table = TableOf(read);
    return values;
}

// Entries from the highest score down, then only never-filled slots.
bool Sorted(const HighScoreTable& table)
{
    int entries = 0;
    while (entries < kHighScoreSlots && (!table.StrHighNames[entries].empty() || table.LngHighScores[entries] != 0))
        ++entries;
    for (int i = entries; i < kHighScoreSlots; ++i)
        if (!table.StrHighNames[i].empty() || table.LngHighScores[i] != 0)
            return false;
    return std::is_sorted(table.LngHighScores.begin(), table.LngHighScores.begin() + entries, std::greater<>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SettingsWrite values = Written(ReadSettingsText(bytes));

    const std::string text = WriteSettingsText(values);
    Check(IsValidUtf8(text) && std::count(text.begin(), text.end(), '\n') == 25);
    const SettingsWrite again = Written(ReadSettingsText(text));
    Check(again.GameTheme == values.GameTheme && again.GameWidth == values.GameWidth &&
          again.GameHeight == values.GameHeight && again.GameTime == values.GameTime && again.mute == values.mute &&
          again.table == values.table);

    // The second half of the input as the table another copy wrote.
    const HighScoreTable ours = values.table;
    const HighScoreTable theirs = TableOf(ReadSettingsText(bytes.substr(size / 2)));
    // No other writer: ours as it stands. Another writer: a sorted table.
    Check(MergeHighScores(theirs, theirs, ours) == ours);
    const HighScoreTable merged = MergeHighScores(ours, theirs, ours);
    Check(theirs == ours || Sorted(merged));
    return 0;
}
