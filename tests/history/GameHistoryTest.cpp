#include "BackgroundHistory.h"
#include "GameHistory.h"
#include "HistorySpool.h"
#include "HistoryFiles.h"
#include "HistorySchema.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>
#include <tuple>

namespace {

// The games table as the first version of the history made it.
constexpr const char* kFirstVersionGames =
    "CREATE TABLE games (id INTEGER PRIMARY KEY, finished_at TEXT NOT NULL, width INTEGER NOT NULL,"
    " height INTEGER NOT NULL, game_time INTEGER NOT NULL, board_number INTEGER NOT NULL, score INTEGER NOT NULL,"
    " level INTEGER NOT NULL, bricks_removed INTEGER NOT NULL, best_group INTEGER NOT NULL,"
    " fills_used INTEGER NOT NULL, player TEXT NOT NULL)";

class HistoryFolder : public ::testing::Test {
protected:
    QTemporaryDir temp;
    QString folder = temp.filePath(QStringLiteral("Tolmora"));
    QString file = folder + QStringLiteral("/history.sqlite");
};

class RecordedRow : public HistoryFolder, public ::testing::WithParamInterface<FinishedGame> {};

// Every field of a finished game comes back from its row unchanged, including the top board number and odd names.
TEST_P(RecordedRow, KeepsEveryValue)
{
    {
        BackgroundHistory history(folder);
        history.Record(GetParam());
        history.Drain();
        EXPECT_TRUE(history.Status().isEmpty()) << history.Status().toStdString();
    }
    RawHistory raw(file);
    EXPECT_EQ(raw.Value(QStringLiteral("PRAGMA journal_mode")).toString(), "wal");
    EXPECT_EQ(raw.Value(QStringLiteral("PRAGMA user_version")).toInt(), LatestHistoryVersion());
    const QVariantList read = raw.Row(
        "SELECT finished_at, width, height, game_time, board_number, score, level, bricks_removed, best_group,"
        " fills_used, player, moves, daily FROM games");
    ASSERT_EQ(read.size(), 13);
    const FinishedGame back{read[0].toString().toStdString(), read[1].toInt(), read[2].toInt(), read[3].toInt(),
                            uint32_t(read[4].toLongLong()), read[5].toInt(), read[6].toInt(), read[7].toInt(),
                            read[8].toInt(), read[9].toInt(), read[10].toString().toStdString(),
                            read[11].toByteArray().toStdString(), read[12].toInt() == 1};
    EXPECT_EQ(read[11].isNull(), GetParam().moves.empty()) << "a game without moves has none, not an empty blob";
    EXPECT_EQ(back, GetParam());
    EXPECT_EQ(read[4].toLongLong(), qint64{GetParam().boardNumber}) << "board numbers are kept unsigned";
}

INSTANTIATE_TEST_SUITE_P(
    Games, RecordedRow,
    ::testing::Values(FinishedGame{"2027-01-01T00:00:00Z", 1, 1, 1, 0, 0, 1, 0, 0, 0, "", "", false},
                      FinishedGame{"2026-06-30T12:00:59Z", 1000, 1000, 3600, 4294967295u, 2147483647, 99,
                                   1000000, 999999, 40, "Zoë 'O\"Brien'; DROP TABLE games;--", std::string("\x01\0\xff moves", 9), true}));

class UnusableFile : public HistoryFolder, public ::testing::WithParamInterface<QByteArray> {};

// A file that is no database is renamed aside with its bytes intact, the player is told, and a new history works.
TEST_P(UnusableFile, IsKeptAsideAndANewOneStarted)
{
    QDir().mkpath(folder);
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write(GetParam()) == GetParam().size());
    damaged.close();
    BackgroundHistory history(folder, {2000, [](const QString&) {}});
    history.Record(Game(500));
    history.Drain();
    const QStringList aside = QDir(folder).entryList({QStringLiteral("history.sqlite.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(QDir(folder).filePath(aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), GetParam());
    EXPECT_EQ(history.Status().toStdString(), "The history file was damaged and was kept as "
                                                  + QDir::toNativeSeparators(kept.fileName()).toStdString() + ".");
    EXPECT_EQ(RawHistory(file).Value("SELECT count(*) FROM games").toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableFile,
                         ::testing::Values(QByteArray(2000, 'x'), QByteArray("SQLite format 3", 16) + QByteArray(4080, 'Z')));

// Two copies of the game finishing games at the same moments on one file both keep every game.
TEST_F(HistoryFolder, TwoCopiesRecordingAtOnceKeepAllGames)
{
    constexpr int kGames = 40;
    auto play = [this](const std::string& player) {
        BackgroundHistory history(folder);
        for (int i = 0; i < kGames; ++i) history.Record(Game(i, 17, 12, 120, uint32_t(player.size()), 9, player));
        history.Drain();
    };
    std::thread first(play, "first"), second(play, "second");
    first.join();
    second.join();
    RawHistory raw(file);
    EXPECT_EQ(raw.Value("SELECT count(*) FROM games WHERE player = 'first'").toInt(), kGames);
    EXPECT_EQ(raw.Value("SELECT count(*) FROM games WHERE player = 'second'").toInt(), kGames);
}

// A history made by the first version keeps its games, gains what later versions add, and takes new games.
TEST_F(HistoryFolder, MigratesTheFirstVersion)
{
    QDir().mkpath(folder);
    {
        RawHistory raw(file);
        ASSERT_TRUE(raw.Exec(kFirstVersionGames));
        ASSERT_TRUE(raw.Exec("INSERT INTO games VALUES (NULL, '2025-01-02T03:04:05Z', 17, 12, 120, 9, 880, 2, 90,"
                             " 8, 0, 'Old')"));
        ASSERT_TRUE(raw.Exec("PRAGMA user_version = 1"));
    }
    {
        BackgroundHistory history(folder);
        history.Record(Game(300));
    }
    RawHistory raw(file);
    EXPECT_EQ(raw.Value("PRAGMA user_version").toInt(), LatestHistoryVersion());
    EXPECT_EQ(raw.Value("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = 'games_by_size'").toInt(), 1);
    EXPECT_EQ(raw.Value("SELECT group_concat(player || score, ',') FROM games").toString(), "Old880,Ann300");
}

// A history of the version before recordings keeps its games, which have no moves and were no daily boards; a new
// game's moves come back by its id and as the last recording.
TEST_F(HistoryFolder, MigratesToRecordings)
{
    QDir().mkpath(folder);
    {
        RawHistory raw(file);
        ASSERT_TRUE(raw.Exec(kFirstVersionGames));
        ASSERT_TRUE(raw.Exec("CREATE INDEX games_by_size ON games (width, height, game_time, score)"));
        ASSERT_TRUE(raw.Exec("INSERT INTO games VALUES (NULL, '2025-01-02T03:04:05Z', 17, 12, 120, 9, 880, 2, 90,"
                             " 8, 0, 'Old'), (NULL, '2025-01-02T03:09:05Z', 17, 12, 120, 10, 70, 1, 20, 4, 1, '')"));
        ASSERT_TRUE(raw.Exec("PRAGMA user_version = 2"));
    }
    GameHistory history(folder);
    EXPECT_FALSE(history.LastRecordingId());
    const GameRecording recording{10, 17, 12, 120, {{0, 0, GameRecording::Kind::Press, GameRecording::Press::Selected, 3, 4}},
                                  {0, 1, 0, 77}};
    FinishedGame played = Game(300);
    played.moves = EncodeRecording(recording);
    FinishedGame older = Game(200);
    older.finishedAt = "2026-12-06T23:00:00Z";
    older.moves = EncodeRecording(GameRecording{11, 2, 2, 60, {}, {}});
    ASSERT_TRUE(history.Write({older, played, Game(100)})) << history.Problem().toStdString();

    RawHistory raw(file);
    EXPECT_EQ(raw.Value("PRAGMA user_version").toInt(), 3);
    EXPECT_EQ(raw.Value("SELECT group_concat(player || score || ':' || daily || typeof(moves), ',') FROM games").toString(),
              "Old880:0null,70:0null,Ann200:0blob,Ann300:0blob,Ann100:0null");
    EXPECT_EQ(history.LastRecordingId(), 4);
    EXPECT_EQ(history.Recording(4), recording);
    EXPECT_FALSE(history.Recording(1));
    EXPECT_FALSE(history.Recording(5));
    EXPECT_FALSE(history.Recording(99));
    ASSERT_TRUE(raw.Exec("UPDATE games SET moves = x'0102' WHERE id = 3"));
    EXPECT_FALSE(history.Recording(3)) << "damaged moves decode to nothing";
    EXPECT_TRUE(history.Problem().isEmpty());
}

// Values the game never writes (text in number columns, negative times, the largest 64-bit number) are left out of
// the figures, and a recent game shows them as nothing.
TEST_F(HistoryFolder, ValuesThatCannotBeRealAreLeftOut)
{
    GameHistory history(folder);
    ASSERT_TRUE(history.Write({Game(500, 17, 12, 120, 11, 9)})) << history.Problem().toStdString();
    ASSERT_TRUE(RawHistory(file).Exec(
        "INSERT INTO games (finished_at, width, height, game_time, board_number, score, level, bricks_removed,"
        " best_group, fills_used, player) VALUES ('soon', 'wide', 12, -1, -5, 'lots', 1, 1, 9223372036854775807, 0, ''),"
        " ('2026-12-06T23:11:00Z', 17, 12, 9223372036854775807, 4294967296, -1, 1, 1, -3, 0, '')"));
    const std::optional<HistoryStatistics> figures = history.Statistics(5);
    ASSERT_TRUE(figures) << history.Problem().toStdString();
    EXPECT_EQ(std::tie(figures->gamesPlayed, figures->secondsPlayed, figures->bestScore, figures->bestGroup),
              std::make_tuple(int64_t{3}, int64_t{120}, 500, 9));
    EXPECT_DOUBLE_EQ(figures->averageScore, 500.0);
    EXPECT_EQ(figures->lastScores, std::vector<int32_t>{500});
    EXPECT_EQ(figures->bySize, (std::vector<SizeFigures>{{17, 12, 120, 1, 500, 500.0}}));
    const std::vector<RecentGame> recent{{QStringLiteral("2026-12-06T23:11:00Z"), 17, 12, {}, {}, {}, 3},
                                         {QString(), {}, 12, {}, {}, {}, 2},
                                         {QStringLiteral("2026-12-06T23:10:00Z"), 17, 12, 120, 500, 11u, 1}};
    EXPECT_EQ(figures->recent, recent);
}

// Each day's best daily game comes from SQL as one real row (its own level and group); ordinary games on a date's
// number and daily games whose number is no date are left out.
TEST_F(HistoryFolder, DailyBestsAreEachDaysBestGame)
{
    GameHistory history(folder);
    FinishedGame ordinary = Game(9999, 17, 12, 120, 20261207);
    ASSERT_TRUE(history.Write({Daily(20261205, 300, 7, 30), Daily(20261205, 800, 4, 12), Daily(20261205, 600, 9, 40),
                               Daily(20261207, 500), ordinary, Daily(20261399, 5000), Daily(0, 5000)}))
        << history.Problem().toStdString();
    const std::optional<HistoryStatistics> figures = history.Statistics(5);
    ASSERT_TRUE(figures) << history.Problem().toStdString();
    EXPECT_EQ(figures->dailyBests,
              (std::vector<DailyBest>{{20261205, 800, 4, 12}, {20261207, 500, 2, 9}}));
}

struct DailyCase {
    const char* name;
    std::vector<uint32_t> days;  // played, each with the score day % 1000
    uint32_t today;
    bool playedToday;
    int32_t streak;
    std::vector<std::pair<int, int32_t>> chart;  // the chart's non-zero days: index (0 oldest, 29 today), score
};
void PrintTo(const DailyCase& c, std::ostream* out) { *out << c.name; }

class DailyFiguresOnDay : public ::testing::TestWithParam<DailyCase> {};

// Today's best, the days in a row ending today or yesterday (across months and years, broken by a missed day) and
// the last 30 days' best scores, oldest first, a day not played as 0.
TEST_P(DailyFiguresOnDay, CountTheDaysFromTheBoardNumbers)
{
    const DailyCase& c = GetParam();
    std::vector<DailyBest> bests;
    for (uint32_t day : c.days) bests.push_back({day, int32_t(day % 1000), 3, 8});
    const DailyFigures figures = DailyFiguresOn(bests, c.today);
    EXPECT_EQ(figures.today.has_value(), c.playedToday);
    if (c.playedToday) {
        EXPECT_EQ(*figures.today, (DailyBest{c.today, int32_t(c.today % 1000), 3, 8}));
    }
    EXPECT_EQ(figures.streak, c.streak);
    std::vector<int32_t> chart(kDailyChartDays, 0);
    for (const auto& [at, score] : c.chart) chart[size_t(at)] = score;
    EXPECT_EQ(figures.lastDays, chart);
}

INSTANTIATE_TEST_SUITE_P(
    Days, DailyFiguresOnDay,
    ::testing::Values(DailyCase{"NeverPlayed", {}, 20261207, false, 0, {}},
                      DailyCase{"AcrossAMonth", {20261130, 20261201, 20261202}, 20261202, true, 3,
                                {{27, 130}, {28, 201}, {29, 202}}},
                      DailyCase{"EndingYesterday", {20261205, 20261206}, 20261207, false, 2, {{27, 205}, {28, 206}}},
                      DailyCase{"AGapBreaksIt", {20261203, 20261205, 20261206, 20261207}, 20261207, true, 3,
                                {{25, 203}, {27, 205}, {28, 206}, {29, 207}}},
                      DailyCase{"TwoDaysMissed", {20261204, 20261205}, 20261207, false, 0, {{26, 204}, {27, 205}}},
                      DailyCase{"AcrossAYear", {20261231, 20270101}, 20270101, true, 2, {{28, 231}, {29, 101}}},
                      DailyCase{"ThirtyDaysBack", {20261107, 20261108, 20261208}, 20261207, false, 0, {{0, 108}}}),
    [](const auto& info) { return std::string(info.param.name); });

// A spool's games come back as written; a damaged spool gives none, and never a crash.
TEST(HistorySpool, RoundTripsAndIgnoresDamage)
{
    // Board numbers at both ends of their range: 0 is a board like any other.
    std::vector<FinishedGame> games{Game(500, 17, 12, 120, 0), Game(0, 1, 1, 1, 4294967295u, 0, "Zo\u00eb \"x\"\n\t")};
    games[1].moves = std::string("\0\x01\xfe\xff", 4);
    games[1].daily = true;
    const QByteArray good = SpoolText(games);
    EXPECT_EQ(ReadSpoolText(good), games);
    // A spool written before recordings has neither field.
    EXPECT_EQ(ReadSpoolText(QByteArray(good).replace(",\"moves\":\"AAH+/w==\"", "").replace(",\"daily\":true", "")),
              (std::vector<FinishedGame>{games[0], Game(0, 1, 1, 1, 4294967295u, 0, "Zo\u00eb \"x\"\n\t")}));
    for (const QByteArray& damaged :
         {good.left(good.size() / 2), QByteArray("{\"pending\": 5}"), QByteArray(good).replace("\"width\":17", "\"width\":\"17\""),
          QByteArray(good).replace("4294967295", "4294967296"), QByteArray(good).replace("\"score\":500", "\"score\":1.5"),
          QByteArray(good).replace("\"player\":\"Ann\",", ""), QByteArray(3000, '\0'),
          QByteArray(good).replace("AAH+/w==", "AAH+/w=!"), QByteArray(good).replace("\"AAH+/w==\"", "5"),
          QByteArray(good).replace("\"daily\":true", "\"daily\":1")})
        EXPECT_TRUE(ReadSpoolText(damaged).empty()) << damaged.left(80).toStdString();
}

// A spool is read up to 4 MiB: a larger one is not a spool this game wrote.
TEST(HistorySpool, IsReadUpToItsSizeLimit)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("spool");
    const std::vector<FinishedGame> games{Game(500)};
    for (auto [size, read] : {std::pair{4 << 20, true}, {(4 << 20) + 1, false}}) {
        QByteArray text = SpoolText(games);
        text.append(QByteArray(size - text.size(), ' '));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == size);
        file.close();
        EXPECT_EQ(ReadSpool(path), read ? games : std::vector<FinishedGame>{}) << size;
    }
}

RecentGame Recent(int32_t score, int32_t width, int32_t height, int32_t gameTime, uint32_t board, int64_t id,
                  bool recorded = false)
{
    return {QStringLiteral("2026-12-06T23:10:00Z"), width, height, gameTime, score, board, id, recorded};
}

FinishedGame WithMoves(FinishedGame game)
{
    game.moves = "moves";
    return game;
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
    Known known{"SixtyGames", {}, 2, {60, 7200, 590, 295.0, 9, {{17, 12, 120, 60, 590, 295.0}}, {}, {}, {}}};
    for (int i = 0; i < 60; ++i) known.games.push_back(Game(i * 10, 17, 12, 120, uint32_t(i)));
    for (int i = 10; i < 60; ++i) known.expected.lastScores.push_back(i * 10);
    known.expected.recent = {Recent(590, 17, 12, 120, 59, 60), Recent(580, 17, 12, 120, 58, 59)};
    return known;
}

class HistoryFigures : public ::testing::TestWithParam<Known> {};

// The figures of a known history: totals, groups by board size and length, the chart's last 50 oldest first, recent newest first.
TEST_P(HistoryFigures, MatchTheGamesRecorded)
{
    QTemporaryDir temp;
    GameHistory history(temp.path());
    ASSERT_TRUE(history.Write(GetParam().games)) << history.Problem().toStdString();
    const HistoryStatistics figures = history.Statistics(GetParam().recentLimit).value();
    const HistoryStatistics& expected = GetParam().expected;
    EXPECT_EQ(std::tie(figures.gamesPlayed, figures.secondsPlayed, figures.bestScore, figures.bestGroup),
              std::tie(expected.gamesPlayed, expected.secondsPlayed, expected.bestScore, expected.bestGroup));
    EXPECT_DOUBLE_EQ(figures.averageScore, expected.averageScore);
    EXPECT_EQ(std::tie(figures.bySize, figures.lastScores, figures.recent),
              std::tie(expected.bySize, expected.lastScores, expected.recent));
}

INSTANTIATE_TEST_SUITE_P(
    Histories, HistoryFigures,
    ::testing::Values(Known{"Empty", {}, 5, {}},
                      Known{"MixedSizes",
                            {Game(500, 17, 12, 120, 11, 9), Game(1300, 17, 12, 120, 12, 15),
                             Game(200, 10, 10, 60, 13, 6), Game(900, 17, 12, 300, 14, 20),
                             WithMoves(Game(0, 17, 12, 120, 15, 0))},
                            3,
                            {5, 720, 1300, 580.0, 20,
                             {{10, 10, 60, 1, 200, 200.0}, {17, 12, 120, 3, 1300, 600.0}, {17, 12, 300, 1, 900, 900.0}},
                             {500, 1300, 200, 900, 0},
                             {Recent(0, 17, 12, 120, 15, 5, true), Recent(900, 17, 12, 300, 14, 4), Recent(200, 10, 10, 60, 13, 3)},
                             {}}},
                      SixtyGames()),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
