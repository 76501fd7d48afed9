#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Best and average score of the games played on one board size with one
// game length: scores are only comparable within such a group.
struct SizeFigures {
    int32_t width = 0;
    int32_t height = 0;
    int32_t gameTime = 0;
    int64_t games = 0;
    int32_t bestScore = 0;
    double averageScore = 0;
    friend bool operator==(const SizeFigures&, const SizeFigures&) = default;
};

struct RecentGame {
    QString finishedAt;  // UTC, ISO 8601, as recorded
    int32_t width = 0;
    int32_t height = 0;
    int32_t gameTime = 0;
    int32_t score = 0;
    uint32_t boardNumber = 0;
    friend bool operator==(const RecentGame&, const RecentGame&) = default;
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
};

// What the Statistics window reads from the history.
class HistoryReader {
public:
    virtual ~HistoryReader() = default;
    // The figures of every game recorded, with at most recentLimit recent games.
    virtual HistoryStatistics Statistics(int recentLimit) const = 0;
    // One line for the player about a damaged or unavailable history; empty when all is well.
    virtual QString Status() const = 0;
};
