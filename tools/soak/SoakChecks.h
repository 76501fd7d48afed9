#pragma once

#include <QString>

#include <cstdint>
#include <filesystem>
#include <string>

class frmMain;
class GameFlow;

// The side panel and the counters it answers to, as they were before a step.
struct PanelSnapshot {
    QString lblScore;
    QString lblTime;
    QString lblNextLvl;
    QString lblSelected;
    int32_t LngTimeLeft = 0;
    int32_t LngBricksRemoved = 0;
};
PanelSnapshot TakeSnapshot(frmMain& window);

// What a step did that decides which labels it had to rewrite.
struct StepFacts {
    bool ticked = false;        // at least one clock tick ran
    bool newGame = false;       // the new-game dialog's Start began a game
    bool clickedBrick = false;  // a release on the playable board over a cell holding a brick
};

// The game's invariants after a step; the first one broken, or empty.
std::string CheckGame(frmMain& window, const PanelSnapshot& before, const StepFacts& facts);

// Watches "Settings.log": each time its bytes change, they must read back
// as the settings and the high-score table the game holds.
class SettingsWatch {
public:
    explicit SettingsWatch(std::filesystem::path file) : m_file(std::move(file)) {}
    // The first difference between a newly written file and the game, or empty.
    std::string Check(const GameFlow& game);
    int writes() const { return m_writes; }

private:
    std::filesystem::path m_file;
    std::string m_last;
    bool m_seen = false;
    int m_writes = 0;
};

// Text for a message: control bytes escaped, cut to a readable length.
std::string Printable(const std::string& text);
