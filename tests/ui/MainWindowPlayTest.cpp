#include "BoardPaint.h"
#include "GameTexts.h"
#include "BoardSurface.h"
#include "MainWindowFixture.h"
#include "WaveDecoder.h"
#include "WrapButton.h"

#include <QAction>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <filesystem>

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
    const PanelCaptions captions = CaptionsOf(game().snapshot().panel);
    for (const auto& [label, model] : std::initializer_list<std::pair<QLabel*, const PanelCaption*>>{
             {Control<QLabel>("lblMinmumBlock"), &captions.lblMinmumBlock}, {Control<QLabel>("lblScore"), &captions.lblScore},
             {Control<QLabel>("lblLevel"), &captions.lblLevel}, {Control<QLabel>("lblTime"), &captions.lblTime},
             {Control<QLabel>("lblNextLvl"), &captions.lblNextLvl}, {Control<QLabel>("lblSelected"), &captions.lblSelected}}) {
        const QColor color = label->palette().color(QPalette::WindowText);
        ASSERT_TRUE(model->text.has_value()) << label->objectName().toStdString();
        EXPECT_EQ(label->text(), *model->text);
        EXPECT_EQ(color.red() | color.green() << 8 | color.blue() << 16, int(model->color)) << model->text->toStdString();
    }
}

TEST_F(BoardClickTest, AClickNamesTheBoardCellUnderThePointer)
{
    // A release off the board after a press on it names no cell.
    Start();
    const QPoint board = Control<BoardSurface>("PicMap")->mapTo(window.get(), QPoint(5, 5));
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, board);
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, board + QPoint(600, 300));
    EXPECT_TRUE(Control<QTimer>("timSec")->isActive() && Control<QLabel>("lblSelected")->text() == "Bricks Selected");
}

// A click repaints only the cells it changed, and the board shown is always the one a full drawing shows,
// flags dropped by a click on an empty cell included.
TEST_F(BoardClickTest, AClickRepaintsOnlyWhatItChanged)
{
    Start();
    PaintBoard(game().board, {"RRBG", "GBYR", "GBRY", "YRGB"});
    game().board.TakeChangedCells();
    window->DrawBricks();
    auto* surface = Control<BoardSurface>("PicMap");
    int painted = 0;  // by the click's own repaint, before the grab repaints everything
    const auto click = [&](QPoint cell) {
        ClickCell(cell);
        QCoreApplication::processEvents();
        painted = surface->lastPaintedBricks();
        return surface->grab().toImage();
    };
    const auto drawnWholeAfter = [&](QPoint cell) {
        const QImage shown = click(cell);
        window->DrawBricks();
        QCoreApplication::processEvents();
        return std::pair(shown, surface->grab().toImage());
    };

    for (QPoint cell : {QPoint(0, 0), QPoint(1, 0)}) {  // the two reds highlighted, then removed
        const auto [shown, whole] = drawnWholeAfter(cell);
        EXPECT_EQ(shown, whole) << cell.x();
    }
    const QImage greens = click({0, 1});
    EXPECT_EQ(painted, 2);                       // the greens at (0, 1) and (0, 2), of 204 in view
    EXPECT_EQ(click({0, 0}), greens);            // a gap drops the flags but leaves the screen as it was
    const auto [shown, whole] = drawnWholeAfter({3, 3});
    EXPECT_EQ(shown, whole);
}

using ClockWindowTest = MainWindowTest;

TEST_F(ClockWindowTest, TheWindowFollowsTheClockToGameOver)
{
    // The label shows the time left, the fill button goes at 30 s left, 00:00:00 stops the clock and the board.
    Start();
    ClickCell({0, 0});
    Tick(90);
    EXPECT_EQ(Control<QLabel>("lblTime")->text(), "00:00:30");
    EXPECT_FALSE(Control<WrapButton>("cmdFillSpace")->isEnabled());
    Tick(30);
    EXPECT_EQ(Control<QLabel>("lblTime")->text(), "00:00:00");
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
    StartNewGame("4", "4", "120");
    ClickCell({0, 0});
    Tick();
    std::vector<const PcmClip*> played;
    for (const auto& call : audio.calls)
        played.push_back(call.clip.get());
    const SoundClips& clips = sound.clips;
    EXPECT_EQ(played, (std::vector<const PcmClip*>{clips.main.get(), clips.lastMin.get(), clips.last30.get(),
                                                   clips.gameOver.get(), clips.main.get()}));
    EXPECT_EQ(wavesDecoded(), decoded);
}

class ExampleThemeMusicTest : public MainWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ExampleThemeMusicTest, EveryTuneOfAGameComesFromTheTheme)
{
    // A theme remembered from the last run plays its own four tunes through a whole game, never silence nor ours.
    namespace fs = std::filesystem;
    const fs::path program = folder.path().toStdString();
    fs::create_directory_symlink(TOLMORA_THEMES_DIR, program / "themes");
    const fs::path themeFolder = program / "themes" / GetParam();
    Start(FileOf({(themeFolder / (std::string(GetParam()) + ".tlm")).string()}));
    ClickCell({0, 0});
    Tick(game().board.LngTimeLeft);
    // The click's effects come first; the music starts with the first tune, which loops.
    auto call = audio.calls.begin();
    while (call != audio.calls.end() && !call->loop)
        ++call;
    std::vector<PcmClip> played;
    for (; call != audio.calls.end(); ++call)
        played.push_back(call->clip ? *call->clip : PcmClip{});
    std::vector<PcmClip> expected;
    for (const char* wave : {"main", "lastmin", "last30", "gameover"}) {
        QFile file(QString::fromStdString((themeFolder / wave).string() + ".wav"));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const auto clip = decodeWave(reinterpret_cast<const uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
        ASSERT_TRUE(clip && !clip->empty()) << wave;
        expected.push_back(*clip);
    }
    EXPECT_TRUE(played == expected) << played.size() << " sounds played";
}

INSTANTIATE_TEST_SUITE_P(Shipped, ExampleThemeMusicTest, ::testing::Values("meadow", "midnight"));

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
