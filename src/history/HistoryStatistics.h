#pragma once

#include "GameRecording.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The figures leave out values the game never writes (text in a number
// column, a negative score, a length beyond 32 bits): another tool may have
// put them in the file. A value left out of a row is empty here and shown
// as nothing.

// Best and average score of the games played on one board size with one
// game length: scores are only comparable within such a group.
struct SizeFigures {
    int32_t width = 0;
    int32_t height = 0;
    int32_t gameTime = 0;
    int64_t games = 0;
    std::optional<int32_t> bestScore;
    std::optional<double> averageScore;
    friend bool operator==(const SizeFigures&, const SizeFigures&) = default;
};

struct RecentGame {
    QString finishedAt;  // UTC, ISO 8601, as recorded; empty when it is not a date
    std::optional<int32_t> width;
    std::optional<int32_t> height;
    std::optional<int32_t> gameTime;
    std::optional<int32_t> score;
    std::optional<uint32_t> boardNumber;
    int64_t id = 0;          // the game's row in the history
    bool recorded = false;   // its moves are kept, so it can be watched again
    friend bool operator==(const RecentGame&, const RecentGame&) = default;
};

// The best daily game of one day. A daily board's number is its day,
// YYYYMMDD on the player's calendar, so days are counted by it and never by
// the UTC moment the game ended.
struct DailyBest {
    uint32_t day = 0;
    int32_t score = 0;
    std::optional<int32_t> level;
    std::optional<int32_t> bestGroup;
    friend bool operator==(const DailyBest&, const DailyBest&) = default;
};

struct HistoryStatistics {
    int64_t gamesPlayed = 0;
    int64_t secondsPlayed = 0;  // the sum of the chosen game lengths
    int32_t bestScore = 0;
    double averageScore = 0;
    int32_t bestGroup = 0;
    std::vector<SizeFigures> bySize;  // ordered by width, height, game length
    std::vector<int32_t> lastScores;  // the last games' scores, oldest first
    std::vector<RecentGame> recent;   // newest first
    std::vector<DailyBest> dailyBests;  // one for each day played, oldest first
};

// The daily figures as seen on `today` (YYYYMMDD).
struct DailyFigures {
    std::optional<DailyBest> today;
    // Days in a row with a daily game, ending today or, while today's is
    // still to be played, yesterday.
    int32_t streak = 0;
    // The best daily score of each of the last days, oldest first, ending
    // today; 0 for a day not played.
    std::vector<int32_t> lastDays;
    friend bool operator==(const DailyFigures&, const DailyFigures&) = default;
};
inline constexpr int kDailyChartDays = 30;
DailyFigures DailyFiguresOn(const std::vector<DailyBest>& bests, uint32_t today);

struct HistoryReading {
    HistoryStatistics figures;
    // One line for the player about a damaged, unavailable or unwritable
    // history, or games waiting to be written; empty when all is well.
    QString status;
};

// What the Statistics window reads from the history.
class HistoryReader {
public:
    virtual ~HistoryReader() = default;
    // Reads the figures of every game recorded, with at most recentLimit
    // recent games, away from the calling thread, which never waits on the
    // file. `done` runs later on the calling thread's event loop, unless
    // `receiver` is gone by then.
    virtual void ReadStatistics(int recentLimit, QObject* receiver,
                                std::function<void(const HistoryReading&)> done) const = 0;
    // Reads the moves of game `id` in the same way; none when the history
    // holds none for it.
    virtual void ReadRecording(int64_t id, QObject* receiver,
                               std::function<void(const std::optional<GameRecording>&)> done) const = 0;
};
