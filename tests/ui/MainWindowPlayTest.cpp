#include "BoardPaint.h"
#include "BoardSurface.h"
#include "MainWindowFixture.h"
#include "WaveDecoder.h"
#include "WrapButton.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

using BoardClickTest = MainWindowTest;

TEST_F(BoardClickTest, FirstReleaseSelectsTheGroupSecondRemovesIt)
{
    // Any button's release on PicMap: the first shows the group's count, the second removes it with points.
    Start();
    PaintBoard(game().board, {std::string(2, game().board.bricks().ItemByXY(0, 0)->StrColor.at(0))});
    ClickCell({0, 0}, Qt::RightButton);
    EXPECT_TRUE(Control<QTimer>("timSec")->isActive() && game().board.LngSelected >= 2);
    EXPECT_EQ(Control<QLabel>("lblSelected")->text(), QString("Bricks Selected\n%1").arg(game().board.LngSelected));
    ClickCell({1, 0});
    EXPECT_TRUE(Control<QLabel>("lblSelected")->text() == "Bricks Selected\n0" && game().board.LngScore > 0);
    // Every side-panel label shows its model's caption and colour.
    const PanelLabels& labels = game().labels();
    for (const auto& [label, model] : std::initializer_list<std::pair<QLabel*, const LabelState*>>{
             {Control<QLabel>("lblMinmumBlock"), &labels.lblMinmumBlock}, {Control<QLabel>("lblScore"), &labels.lblScore},
             {Control<QLabel>("lblLevel"), &labels.lblLevel}, {Control<QLabel>("lblTime"), &labels.lblTime},
             {Control<QLabel>("lblNextLvl"), &labels.lblNextLvl}, {Control<QLabel>("lblSelected"), &labels.lblSelected}}) {
        const QColor color = label->palette().color(QPalette::WindowText);
        EXPECT_EQ(label->text(), QString::fromStdString(model->caption).replace("\r\n", "\n"));
        EXPECT_EQ(color.red() | color.green() << 8 | color.blue() << 16, int(model->color)) << model->caption;
    }
}

TEST_F(BoardClickTest, AClickNamesTheBoardCellUnderThePointer)
{
    // A release off the board after a press on it names no cell; scrolling moves the surface, not its coordinates.
    Start();
    const QPoint board = Control<BoardSurface>("PicMap")->mapTo(window.get(), QPoint(5, 5));
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, board);
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, board + QPoint(600, 300));
    EXPECT_TRUE(Control<QTimer>("timSec")->isActive() && Control<QLabel>("lblSelected")->text() == "Bricks Selected");
    ResizeClient(500, 300);
    Control<QScrollBar>("HSWidth")->setValue(64);
    Control<QScrollBar>("VSHeight")->setValue(32);
    Click(Control<QWidget>("PicMainInterior"), QPoint(10, 10));
    EXPECT_TRUE(game().board.bricks().ItemByXY(2, 1)->BlnHighLighted);
}

class ClockWindowTest : public MainWindowTest {
protected:
    // The sounds handed to the platform, e.g. "MAIN LASTMIN".
    std::string Played() const
    {
        const std::map<const void*, std::string> names{{sound.clips.main.get(), "MAIN"},
            {sound.clips.lastMin.get(), "LASTMIN"}, {sound.clips.last30.get(), "LAST30"},
            {sound.clips.gameOver.get(), "GAMEOVER"}};
        std::string played;
        for (const auto& call : audio.calls)
            played += (played.empty() ? "" : " ") + (names.contains(call.clip.get()) ? names.at(call.clip.get()) : "?");
        return played;
    }
};

TEST_F(ClockWindowTest, TwoMinutesWithABonusAtTwentyLeftRunThroughTheMusicToGameOver)
{
    // The clock, the tunes and the fill button follow the time left, +30 at 20 s brings the last minute back, 0 ends.
    Start();
    ClickCell({0, 0});
    audio.calls.clear();
    // Seconds added first (a level's bonus), ticks, then the clock, the sounds so far and the fill button.
    const std::tuple<int, int, const char*, const char*, bool> steps[] = {
        {0, 1, "00:01:59", "MAIN", true},
        {0, 89, "00:00:30", "MAIN LASTMIN LAST30", false},
        {0, 10, "00:00:20", "MAIN LASTMIN LAST30", false},
        {30, 1, "00:00:49", "MAIN LASTMIN LAST30 LASTMIN", true},
        {0, 49, "00:00:00", "MAIN LASTMIN LAST30 LASTMIN LAST30 GAMEOVER", false},
    };
    for (const auto& [bonus, ticks, time, played, fill] : steps) {
        game().board.LngTimeLeft += bonus;
        Tick(ticks);
        EXPECT_EQ(Control<QLabel>("lblTime")->text(), time);
        EXPECT_EQ(Played(), played) << time;
        EXPECT_EQ(Control<WrapButton>("cmdFillSpace")->isEnabled(), fill) << time;
    }
    EXPECT_FALSE(Control<QTimer>("timSec")->isActive() || Control<QFrame>("PicMain")->isEnabled());
    // Centred on the viewport's interior of 544 x 384: 179.5 and 159.5, halves to even.
    EXPECT_TRUE(Control<QGroupBox>("FRAGameOver")->isVisible() && Control<QGroupBox>("FRAGameOver")->pos() == QPoint(180, 160));
    ASSERT_TRUE(Control<QTimer>("timGameOver")->isActive());
    window->timGameOver_Timer();
    EXPECT_EQ(Control<QLabel>("lblGameOver")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    window->timGameOver_Timer();
    EXPECT_EQ(Control<QLabel>("lblGameOver")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

// Sounds are decoded when a theme loads, the built-in ones once per program: ticks that start tunes, the game
// over and a new game decode nothing.
TEST_F(ClockWindowTest, TunesPlayClipsDecodedBeforeTheClockRuns)
{
    Start();
    const uint64_t decoded = wavesDecoded();
    ClickCell({0, 0});
    Tick(game().board.LngTimeLeft);
    EXPECT_EQ(Played(), "MAIN LASTMIN LAST30 GAMEOVER");
    StartNewGame("4", "4", "120");
    ClickCell({0, 0});
    Tick();
    EXPECT_EQ(Played(), "MAIN LASTMIN LAST30 GAMEOVER MAIN");
    EXPECT_EQ(wavesDecoded(), decoded);
}

TEST_F(ClockWindowTest, PauseBeforeTheFirstClickThenAClickOnTheFrameResumes)
{
    // Pause hides the board without a running clock; a click in the empty frame resumes and starts the clock.
    Start();
    Control<QAction>("MnuFilePause")->trigger();
    EXPECT_EQ(Control<QAction>("MnuFilePause")->text(), "Resume");
    EXPECT_FALSE(Control<BoardSurface>("PicMap")->isVisible() || Control<QTimer>("timSec")->isActive());
    Click(Control<QWidget>("PicMainInterior"), QPoint(100, 100));
    EXPECT_EQ(Control<QAction>("MnuFilePause")->text(), "Pause");
    EXPECT_TRUE(Control<BoardSurface>("PicMap")->isVisible() && Control<QTimer>("timSec")->isActive());
}
