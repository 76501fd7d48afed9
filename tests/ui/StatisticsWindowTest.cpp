#include "FindControl.h"
#include "BackgroundHistory.h"
#include "HistoryFiles.h"
#include "ScoreChart.h"
#include "frmStatistics.h"

#include <QScreen>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

struct Shown {
    const char* name;
    bool writable;
    std::vector<FinishedGame> games;
    std::array<const char*, 5> figures;  // games, time, best, average, best group
    const char* status;                  // the status line's start; empty: hidden
    std::vector<const char*> recentBoards;
};
void PrintTo(const Shown& shown, std::ostream* out) { *out << shown.name; }

class HistoryWindow : public ::testing::Test {
protected:
    QTemporaryDir temp;

    // A plain file where the folder should be leaves no history, whoever runs the test.
    std::unique_ptr<BackgroundHistory> Open(bool writable)
    {
        const QString path = temp.filePath(QStringLiteral("Tolmora"));
        if (!writable)
            QFile(path).open(QIODevice::WriteOnly);
        return std::make_unique<BackgroundHistory>(path, BackgroundHistory::Options{2000, [](const QString&) {}});
    }

    // The figures come from the history's thread through the event loop.
    static void AwaitFigures(BackgroundHistory& history)
    {
        history.Drain();
        QCoreApplication::processEvents();
    }
};

class StatisticsWindow : public HistoryWindow, public ::testing::WithParamInterface<Shown> {};

// The window shows the history's figures, its recent games newest first, and says when there is no history.
TEST_P(StatisticsWindow, ShowsTheFiguresAndTheStatus)
{
    const Shown& shown = GetParam();
    std::unique_ptr<BackgroundHistory> history = Open(shown.writable);
    for (const FinishedGame& game : shown.games) history->Record(game);
    frmStatistics window(*history);
    QSignalSpy filled(&window, &frmStatistics::figuresShown);
    window.show();
    AwaitFigures(*history);
    ASSERT_EQ(filled.count(), 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Statistics");
    const char* names[] = {"lblGamesPlayed", "lblTimePlayed", "lblBestScore", "lblAverageScore", "lblBestGroup"};
    for (size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(FindControl<QLabel>(window, names[i])->text().toStdString(), shown.figures[i]) << names[i];
    auto* status = FindControl<QLabel>(window, "lblHistoryStatus");
    EXPECT_EQ(status->isVisible(), *shown.status != '\0');
    EXPECT_EQ(status->text().left(int(strlen(shown.status))).toStdString(), shown.status);
    auto* recent = FindControl<QTreeWidget>(window, "lstRecentGames");
    ASSERT_EQ(recent->topLevelItemCount(), int(shown.recentBoards.size()));
    for (int row = 0; row < recent->topLevelItemCount(); ++row)
        EXPECT_EQ(recent->topLevelItem(row)->text(4).toStdString(), shown.recentBoards[size_t(row)]);
}

INSTANTIATE_TEST_SUITE_P(
    Histories, StatisticsWindow,
    ::testing::Values(Shown{"Played",
                            true,
                            {Game(500, 17, 12, 120, 11), Game(1300, 17, 12, 3600, 4294967295u), Game(200, 10, 10, 60, 13)},
                            {"3", "1:03:00", "1300", "666.7", "9"},
                            "",
                            {"13", "4294967295", "11"}},
                      Shown{"Unwritable", false, {Game(500)}, {"0", "0:00", "0", "0.0", "0"},
                            "The history is unavailable: ", {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct DailyShown {
    const char* name;
    uint32_t today;
    const char* best;
    const char* streak;
    const char* copied;  // empty: Copy Result is disabled
};
void PrintTo(const DailyShown& shown, std::ostream* out) { *out << shown.name; }

class StatisticsDaily : public HistoryWindow, public ::testing::WithParamInterface<DailyShown> {};

// The Daily part: today's best daily score, the days in a row, the last 30 days' chart ending today, and Copy
// Result putting today's best game on the clipboard as one line; with no daily game today there is nothing to copy.
TEST_P(StatisticsDaily, ShowsTodayAndCopiesTheResult)
{
    const DailyShown& shown = GetParam();
    std::unique_ptr<BackgroundHistory> history = Open(true);
    for (const FinishedGame& game : {Daily(20261206, 400, 2, 5), Daily(20261207, 900, 4, 14),
                                     Daily(20261207, 1234, 3, 9), Game(5000, 17, 12, 120, 20261207)})
        history->Record(game);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    frmStatistics window(*history, nullptr, shown.today);
    window.show();
    AwaitFigures(*history);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(FindControl<QLabel>(window, "lblDailyBest")->text().toStdString(), shown.best);
    EXPECT_EQ(FindControl<QLabel>(window, "lblDailyStreak")->text().toStdString(), shown.streak);
    const std::vector<int32_t>& chart = FindControl<ScoreChart>(window, "picDailyChart")->scores();
    ASSERT_EQ(chart.size(), 30u);
    const size_t todayAt = shown.today == 20261207 ? 29 : 27;
    EXPECT_EQ(chart[todayAt], 1234);
    EXPECT_EQ(chart[todayAt - 1], 400);
    auto* copy = FindControl<QPushButton>(window, "cmdCopyResult");
    EXPECT_EQ(copy->isEnabled(), *shown.copied != '\0');
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), *shown.copied ? shown.copied : "before");
}

INSTANTIATE_TEST_SUITE_P(
    Days, StatisticsDaily,
    ::testing::Values(DailyShown{"PlayedToday", 20261207, "1234", "2",
                                 "Tolmora daily 2026-12-07: 1234 points, level 3, best group 9"},
                      DailyShown{"NotYetToday", 20261209, "", "0", ""}),
    [](const auto& info) { return std::string(info.param.name); });

class StatisticsActions : public HistoryWindow {};

// The newest game comes chosen; a double-click plays another's board and closes the window; Escape closes it and plays nothing.
TEST_F(StatisticsActions, DoubleClickPlaysTheChosenBoardEscapeCloses)
{
    std::unique_ptr<BackgroundHistory> history = Open(true);
    for (uint32_t board : {21u, 22u, 23u}) history->Record(Game(100, 17, 12, 120, board));
    for (const bool play : {true, false}) {
        frmStatistics window(*history);
        QSignalSpy played(&window, &frmStatistics::playBoard);
        window.show();
        AwaitFigures(*history);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_LE(window.frameGeometry().height(), window.screen()->availableGeometry().height()) << "buttons out of reach";
        auto* recent = FindControl<QTreeWidget>(window, "lstRecentGames");
        ASSERT_EQ(recent->currentItem(), recent->topLevelItem(0)) << "the newest game is chosen";
        EXPECT_TRUE(FindControl<QPushButton>(window, "cmdPlayBoard")->isEnabled());
        const QPoint second = recent->visualItemRect(recent->topLevelItem(1)).center();
        if (play) {  // choosing the row is also the first click of a real double-click
            QTest::mouseClick(recent->viewport(), Qt::LeftButton, {}, second);
            QTest::mouseDClick(recent->viewport(), Qt::LeftButton, {}, second);
        } else
            QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
        ASSERT_EQ(played.count(), play ? 1 : 0);
        if (play) {
            EXPECT_EQ(played.at(0).at(0).value<uint32_t>(), 22u);
        }
    }
}

// Each bar's height follows its score against the best shown, oldest game at the left.
TEST_F(StatisticsActions, ChartBarsFollowTheScores)
{
    ScoreChart chart;
    chart.setScores({500, 1000, 0, 250});
    chart.resize(400, 200);
    const QImage image = chart.grab().toImage();
    const QRgb bar = chart.palette().color(QPalette::Highlight).rgb();
    int heights[4] = {};
    for (int i = 0; i < 4; ++i)
        for (int y = 0; y < image.height(); ++y) heights[i] += image.pixel(400 * (2 * i + 1) / 8, y) == bar;
    ASSERT_GT(heights[1], 100);
    EXPECT_NEAR(heights[0] * 2, heights[1], 2);
    EXPECT_EQ(heights[2], 0);
    EXPECT_NEAR(heights[3] * 4, heights[1], 4);
}

} // namespace
