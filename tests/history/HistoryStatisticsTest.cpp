#include "GameHistory.h"
#include "HistoryFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

FinishedGame Played(int32_t score, int32_t width, int32_t height, int32_t gameTime, uint32_t board, int32_t bestGroup)
{
    FinishedGame game = Game(score, width, height, gameTime, board);
    game.bestGroup = bestGroup;
    return game;
}

RecentGame Recent(int32_t score, int32_t width, int32_t height, int32_t gameTime, uint32_t board)
{
    return {QStringLiteral("2026-12-06T23:10:00Z"), width, height, gameTime, score, board};
}

struct Known {
    const char* name;
    std::vector<FinishedGame> games;
    int recentLimit;
    HistoryStatistics expected;
};
void PrintTo(const Known& history, std::ostream* out) { *out << history.name; }

Known SixtyGames()
{
    Known known{"SixtyGames", {}, 2, {60, 7200, 590, 295.0, 9, {{17, 12, 120, 60, 590, 295.0}}, {}, {}}};
    for (int i = 0; i < 60; ++i) known.games.push_back(Game(i * 10, 17, 12, 120, uint32_t(i)));
    for (int i = 10; i < 60; ++i) known.expected.lastScores.push_back(i * 10);
    known.expected.recent = {Recent(590, 17, 12, 120, 59), Recent(580, 17, 12, 120, 58)};
    return known;
}

class HistoryFigures : public ::testing::TestWithParam<Known> {};

// The figures of a known history: totals, groups by board size and length, the chart's last 50 oldest first, recent newest first.
TEST_P(HistoryFigures, MatchTheGamesRecorded)
{
    QTemporaryDir temp;
    GameHistory history(temp.path());
    for (const FinishedGame& game : GetParam().games) history.Record(game);
    const HistoryStatistics figures = history.Statistics(GetParam().recentLimit);
    const HistoryStatistics& expected = GetParam().expected;
    EXPECT_EQ(figures.gamesPlayed, expected.gamesPlayed);
    EXPECT_EQ(figures.secondsPlayed, expected.secondsPlayed);
    EXPECT_EQ(figures.bestScore, expected.bestScore);
    EXPECT_DOUBLE_EQ(figures.averageScore, expected.averageScore);
    EXPECT_EQ(figures.bestGroup, expected.bestGroup);
    EXPECT_EQ(figures.bySize, expected.bySize);
    EXPECT_EQ(figures.lastScores, expected.lastScores);
    EXPECT_EQ(figures.recent, expected.recent);
}

INSTANTIATE_TEST_SUITE_P(
    Histories, HistoryFigures,
    ::testing::Values(Known{"Empty", {}, 5, {}},
                      Known{"MixedSizes",
                            {Played(500, 17, 12, 120, 11, 9), Played(1300, 17, 12, 120, 12, 15),
                             Played(200, 10, 10, 60, 13, 6), Played(900, 17, 12, 300, 14, 20),
                             Played(0, 17, 12, 120, 15, 0)},
                            3,
                            {5,
                             720,
                             1300,
                             580.0,
                             20,
                             {{10, 10, 60, 1, 200, 200.0}, {17, 12, 120, 3, 1300, 600.0}, {17, 12, 300, 1, 900, 900.0}},
                             {500, 1300, 200, 900, 0},
                             {Recent(0, 17, 12, 120, 15), Recent(900, 17, 12, 300, 14), Recent(200, 10, 10, 60, 13)}}},
                      SixtyGames()),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
