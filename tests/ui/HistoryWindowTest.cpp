#include "BoardPaint.h"
#include "MainWindowFixture.h"
#include "frmStatistics.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

// A game played to its end is in the history the Statistics window (F8) shows, and its board is played again from
// there: same number, same bricks.
TEST_F(MainWindowTest, FinishedGameIsInTheStatisticsAndPlaysAgain)
{
    Start();
    const uint32_t number = game().boardNumber();
    const std::string board = BoardColours(game().board);
    ClickCell({0, 0});
    game().board.LngTimeLeft = 1;
    Tick();
    ASSERT_TRUE(game().gameOver());

    Control<QAction>("MnuStatistics")->trigger();
    auto* statistics = window->findChild<frmStatistics*>();
    ASSERT_NE(statistics, nullptr);
    QSignalSpy filled(statistics, &frmStatistics::figuresShown);
    ASSERT_TRUE(filled.wait(5000)) << "the figures never came";
    EXPECT_EQ(FindControl<QLabel>(*statistics, "lblGamesPlayed")->text(), "1");
    auto* recent = FindControl<QTreeWidget>(*statistics, "lstRecentGames");
    ASSERT_EQ(recent->topLevelItemCount(), 1);
    EXPECT_EQ(recent->topLevelItem(0)->text(4), QString::number(number));
    recent->setCurrentItem(recent->topLevelItem(0));
    FindControl<QPushButton>(*statistics, "cmdPlayBoard")->click();
    QCoreApplication::processEvents();

    EXPECT_FALSE(game().gameOver());
    EXPECT_EQ(game().boardNumber(), number);
    EXPECT_EQ(BoardColours(game().board), board);
}

}  // namespace
