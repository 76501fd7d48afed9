#include "MainWindowFixture.h"

#include "BoardGeometry.h"
#include "BoardNumber.h"
#include "BoardSurface.h"
#include "GameHistory.h"
#include "GameReplay.h"
#include "LargestGroup.h"
#include "ReplayController.h"
#include "frmStatistics.h"

#include <QImage>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QTest>

#include <set>

namespace {

// A game of `removals` removals on a small board, each of the first group
// found column by column (rarely the largest), 700 ms and one tick apart.
GameRecording PlayedGame(int removals)
{
    GameRecording recording;
    recording.boardNumber = 4711;
    recording.width = 9;
    recording.height = 7;
    recording.gameTime = 120;
    SeededRandomSource random(recording.boardNumber);
    GameBoard board(random);
    board.GameWidth = recording.width - 1;
    board.GameHeight = recording.height - 1;
    board.ResetCounters(recording.gameTime);
    random.StartBoard(recording.boardNumber);
    board.GenTiles();
    uint32_t tick = 0;
    const auto press = [&](int32_t x, int32_t y, GameRecording::Press kind) {
        ++tick;
        recording.moves.push_back({700 * tick, tick, GameRecording::Kind::Press, kind, x, y});
    };
    for (int done = 0; done < removals;) {
        bool found = false;
        for (int32_t x = 0; x < recording.width && !found; ++x)
            for (int32_t y = 0; y < recording.height && !found; ++y) {
                board.ClickCell(x, y);
                if (board.LngSelected < 2) continue;
                press(x, y, GameRecording::Press::Selected);
                board.ClickCell(x, y);
                press(x, y, GameRecording::Press::Removed);
                found = true;
            }
        if (!found) break;
        ++done;
    }
    board.UnHighlightAll();
    return recording;
}

class ReplayWindowTest : public MainWindowTest {
protected:
    void Watch(const GameRecording& recording)
    {
        messages.answers.push_back(MessageAnswer::Yes);
        window->watchReplay(recording, true);
        ASSERT_TRUE(window->replaying());
    }
    ReplayController& replay() { return window->replay(); }
    QImage Board() { return Control<BoardSurface>("PicMap")->grab().toImage(); }
};

// 1, 2 and 4 set the pace, a step applies one move and waits; the window
// follows the replay's board and panel and not the game's.
TEST_F(ReplayWindowTest, SpeedKeysAndSteps)
{
    Start();
    const GameRecording recording = PlayedGame(6);
    Watch(recording);
    const auto* timer = window->findChild<QTimer*>("replayTimer");
    ASSERT_NE(timer, nullptr);
    const struct {
        Qt::Key key;
        int speed;
        int delayMs;  // to the first move, 700 ms after the start
    } speeds[] = {{Qt::Key_2, 2, 350}, {Qt::Key_4, 4, 175}, {Qt::Key_1, 1, 700}};
    for (const auto& s : speeds) {
        Keys({s.key});
        EXPECT_EQ(replay().speed(), s.speed);
        EXPECT_EQ(replay().pendingDelayMs(), s.delayMs);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), s.delayMs);
    }
    Keys({Qt::Key_Space});
    EXPECT_EQ(replay().speed(), 0);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(replay().applied(), 1u);
    Keys({Qt::Key_Right, Qt::Key_Right});
    EXPECT_EQ(replay().applied(), 3u);
    // Two presses: one group removed, as on a board of the recording's own.
    GameRecording firstThree = recording;
    firstThree.moves.resize(3);
    GameReplay expected(firstThree);
    while (expected.next()) {
    }
    EXPECT_EQ(BoardDigest(replay().board()), BoardDigest(expected.board()));
    EXPECT_EQ(window->boardGeometry().columns, recording.width);
    EXPECT_TRUE(Control<QLabel>("lblReplay")->text().contains("move 3 of 12"));
    EXPECT_EQ(Control<QLabel>("lblScore")->text().toStdString(), std::to_string(expected.board().LngScore));
    // The line lies below the board, clear of it, and the board is wholly in view.
    const QRect line = Control<QLabel>("lblReplay")->geometry();
    EXPECT_FALSE(line.intersects(Control<QWidget>("BoardView")->geometry())) << "the line covers the board";
    EXPECT_LE(line.bottom(), window->centralWidget()->height() - 1);
    EXPECT_FALSE(Control<QWidget>("VSHeight")->isVisible()) << "the board no longer fits";

    // Played at 4x, the replay reaches the end on its own.
    Keys({Qt::Key_4});
    EXPECT_TRUE(QTest::qWaitFor([&] { return replay().over(); }, 10000));
    EXPECT_EQ(replay().applied(), recording.moves.size());
}

// Clicks and the game's clock reach nothing while a replay runs; a replay
// comes to its end writing neither the history nor the high-score table,
// and Escape leaves it for a new game of the player's own.
TEST_F(ReplayWindowTest, ReadOnlyAndLeaving)
{
    Start();
    const HighScoreTable table = game().highScores();
    const GameRecording recording = PlayedGame(3);
    messages.answers.push_back(MessageAnswer::No);
    window->watchReplay(recording, true);
    EXPECT_FALSE(window->replaying()) << "a No keeps the game in hand";
    Watch(recording);
    EXPECT_FALSE(Control<QTimer>("timSec")->isActive());
    const uint64_t before = BoardDigest(replay().board());
    const size_t gameMoves = game().recording().moves.size();
    ClickCell({0, 0});
    ClickCell({0, 0});
    EXPECT_EQ(BoardDigest(replay().board()), before);
    EXPECT_EQ(game().recording().moves.size(), gameMoves);

    Keys({Qt::Key_Space});
    while (!replay().over())
        Keys({Qt::Key_Space});
    EXPECT_TRUE(Control<QWidget>("FRAGameOver")->isVisible());
    EXPECT_TRUE(input.asked.empty()) << "no name is asked for a replay";
    EXPECT_EQ(game().highScores(), table);
    history.Drain();
    EXPECT_EQ(GameHistory(folder.filePath("history")).LastRecordingId(), std::nullopt);

    Keys({Qt::Key_Escape});
    EXPECT_FALSE(window->replaying());
    EXPECT_FALSE(Control<QLabel>("lblReplay")->isVisible());
    EXPECT_TRUE(game().recording().moves.empty()) << "a new game begins";
    EXPECT_EQ(window->boardGeometry().columns, game().board.GameWidth + 1);
    ClickCell({0, 0});
    EXPECT_EQ(game().recording().moves.size(), 1u) << "the board takes clicks again";
}

// B (Show Best Group) outlines the largest group: exactly the cells of LargestGroup that lie
// on its edge change in the grabbed board, at each zoom and with symbols.
TEST_F(ReplayWindowTest, BestGroupOutline)
{
    const struct {
        int zoom;
        bool symbols;
    } looks[] = {{100, false}, {200, true}, {50, false}};
    for (const auto& look : looks) {
        Start();
        PlayerPreferences wanted = window->preferences();
        wanted.zoomPercent = look.zoom;
        wanted.brickSymbols = look.symbols;
        window->setPreferences(wanted);
        Watch(PlayedGame(4));
        Keys({Qt::Key_Space});
        const QImage plain = Board();
        Keys({Qt::Key_B});
        EXPECT_TRUE(Control<QAction>("MnuShowBestGroup")->isChecked()) << "the menu's Show Best Group is the key";
        const QImage outlined = Board();
        const GroupFound best = LargestGroup(replay().board());
        ASSERT_GE(best.size, 2);
        std::set<std::pair<int, int>> group;
        for (const CellCoord& cell : best.cells)
            group.insert({cell.x, cell.y});
        const BoardGeometry geometry = window->boardGeometry();
        for (int x = 0; x < geometry.columns; ++x)
            for (int y = 0; y < geometry.rows; ++y) {
                const QRect rect = geometry.cellRect({x, y});
                bool changed = false;
                for (int px = rect.left(); px <= rect.right() && !changed; ++px)
                    for (int py = rect.top(); py <= rect.bottom() && !changed; ++py)
                        changed = plain.pixel(px, py) != outlined.pixel(px, py);
                const bool member = group.count({x, y}) > 0;
                const bool edge = member && (!group.count({x - 1, y}) || !group.count({x + 1, y}) ||
                                             !group.count({x, y - 1}) || !group.count({x, y + 1}));
                EXPECT_EQ(changed, edge) << "zoom " << look.zoom << " cell " << x << "," << y;
            }
        EXPECT_TRUE(Control<QLabel>("lblReplay")->text().contains(QString("Best group now: %1 points").arg(best.points)));
        window->close();
        window.reset();
    }
}

// At the end the look back sums, move by move, the largest group's points
// against the points of the group taken.
TEST_F(ReplayWindowTest, LookBackFigures)
{
    Start();
    const GameRecording recording = PlayedGame(5);
    int64_t best = 0;
    int64_t taken = 0;
    GameReplay shadow(recording);
    while (shadow.nextMove()) {
        const GroupFound largest = LargestGroup(shadow.board());
        const int32_t removed = shadow.board().LngBricksRemoved;
        shadow.next();
        if (const int64_t n = shadow.board().LngBricksRemoved - removed; n > 0) {
            best += largest.points;
            taken += n * (n - 1);
        }
    }
    ASSERT_GT(best, taken) << "the recorded game should pass by a larger group at least once";
    Watch(recording);
    Keys({Qt::Key_B});
    while (!replay().over())
        Keys({Qt::Key_Space});
    const QString text = Control<QLabel>("lblReplay")->text();
    EXPECT_TRUE(text.contains(QString("would have given %1 points, the groups taken gave %2").arg(best).arg(taken)))
        << text.toStdString();
    EXPECT_TRUE(text.contains("not a solver"));
}

// A game played to its end is watched again from the Statistics window, to
// the same score and board; a game kept without its moves cannot be.
TEST_F(ReplayWindowTest, WatchReplayFromStatistics)
{
    FinishedGame older;
    older.finishedAt = "2026-01-02T03:04:05Z";
    older.width = older.height = 5;
    older.gameTime = 60;
    older.score = 12;
    history.Record(older);
    Start();
    for (int removal = 0; removal < 3; ++removal) {
        const GroupFound best = LargestGroup(game().board);
        if (best.size < 2) break;
        ClickCell({best.cells[0].x, best.cells[0].y});
        ClickCell({best.cells[0].x, best.cells[0].y});
    }
    const int32_t score = game().board.LngScore;
    const uint64_t board = BoardDigest(game().board);
    const uint32_t boardNumber = game().boardNumber();
    ASSERT_GT(score, 0);
    game().board.LngTimeLeft = 1;
    Tick();
    ASSERT_TRUE(game().gameOver());

    Control<QAction>("MnuStatistics")->trigger();
    auto* statistics = window->findChild<frmStatistics*>();
    ASSERT_NE(statistics, nullptr);
    QSignalSpy filled(statistics, &frmStatistics::figuresShown);
    ASSERT_TRUE(filled.wait(5000)) << "the figures never came";
    auto* recent = FindControl<QTreeWidget>(*statistics, "lstRecentGames");
    auto* watch = FindControl<QPushButton>(*statistics, "cmdWatchReplay");
    ASSERT_EQ(recent->topLevelItemCount(), 2);
    recent->setCurrentItem(recent->topLevelItem(1));
    EXPECT_FALSE(watch->isEnabled()) << "the older game has no moves";
    recent->setCurrentItem(recent->topLevelItem(0));
    ASSERT_TRUE(watch->isEnabled());
    messages.answers.push_back(MessageAnswer::Yes);
    watch->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->replaying(); }, 5000));
    while (!replay().over())
        Keys({Qt::Key_Space});
    EXPECT_EQ(replay().board().LngScore, score);
    EXPECT_EQ(BoardDigest(replay().board()), board);

    // From a replay, Watch Replay starts the game again with no question (at 1x: the one watched went step by
    // step), and Play This Board leaves the replay for that game's board.
    const size_t asked = messages.shown.size();
    for (const char* button : {"cmdWatchReplay", "cmdPlayBoard"}) {
        Control<QAction>("MnuStatistics")->trigger();
        auto* again = window->findChild<frmStatistics*>();
        ASSERT_NE(again, nullptr);
        QSignalSpy shown(again, &frmStatistics::figuresShown);
        ASSERT_TRUE(shown.wait(5000)) << "the figures never came";
        FindControl<QPushButton>(*again, button)->click();
        if (button == std::string("cmdWatchReplay")) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return replay().speed() == 1; }, 5000)) << "the replay did not begin again";
            EXPECT_TRUE(window->replaying());
            EXPECT_EQ(messages.shown.size(), asked) << "no question between two replays";
        }
    }
    EXPECT_FALSE(window->replaying());
    EXPECT_EQ(game().boardNumber(), boardNumber);
}

// A new game chosen from the menu while a replay runs leaves the replay first, as Escape does, and is then
// what it always is: the daily board at once, a board number asked for, New Game's question. Pausing, the
// high scores, the theme and muting belong to the player's game and wait for it.
TEST_F(ReplayWindowTest, MenuGamesLeaveTheReplay)
{
    Start();
    const struct {
        const char* item;
        int32_t columns;         // of the board shown afterwards
        uint32_t boardNumber;    // of the game afterwards, 0 for any
    } rows[] = {{"MnuDailyBoard", 17, LocalDateNumber()}, {"MnuPlayBoardNumber", 0, 4711}, {"MnuFileNewGame", 0, 0}};
    const size_t shownBefore = messages.shown.size();
    for (const auto& row : rows) {
        Watch(PlayedGame(2));
        for (const char* item : {"MnuFilePause", "MnuHeighScores", "MnuTheme", "MnuMute"})
            EXPECT_FALSE(Control<QAction>(item)->isEnabled()) << item;
        input.answers.push_back("4711");
        messages.answers.push_back(MessageAnswer::No);  // New Game's question
        Control<QAction>(row.item)->trigger();
        EXPECT_FALSE(window->replaying()) << row.item;
        EXPECT_FALSE(Control<QLabel>("lblReplay")->isVisible()) << row.item;
        EXPECT_TRUE(Control<QAction>("MnuFilePause")->isEnabled()) << row.item;
        EXPECT_FALSE(Control<QAction>("MnuShowBestGroup")->isEnabled()) << "no replay, no best group";
        EXPECT_EQ(window->boardGeometry().columns, game().board.GameWidth + 1) << row.item;
        if (row.columns) {
            EXPECT_EQ(game().board.GameWidth + 1, row.columns) << row.item;
        }
        if (row.boardNumber) {
            EXPECT_EQ(game().boardNumber(), row.boardNumber) << row.item;
        }
        input.answers.clear();
        messages.answers.clear();
    }
    EXPECT_EQ(messages.shown.size() - shownBefore, 4u) << "three replays and New Game asked, nothing more";
}

}  // namespace
