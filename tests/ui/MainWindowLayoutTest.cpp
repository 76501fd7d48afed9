#include "BoardPaint.h"
#include "BoardSurface.h"
#include "MainWindowFixture.h"
#include "WrapButton.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>

using WindowLayoutTest = MainWindowTest;

TEST_F(WindowLayoutTest, FirstRunWithoutASettingsFile)
{
    // No file: 17 x 12 bricks in a window fitted with room for both bars, 120 s, sound on; Exit writes 25 lines.
    Start();
    EXPECT_EQ(Control<BoardSurface>("PicMap")->size(), QSize(544, 384));
    EXPECT_EQ(Layout(), "548x388 at 0,0 H hidden 32/0 V hidden 32/0");
    EXPECT_EQ(Client(), QSize(694, 405));
    EXPECT_EQ(Control<QScrollBar>("VSHeight")->geometry(), QRect(548, 0, 17, 388));
    EXPECT_EQ(Control<QScrollBar>("HSWidth")->geometry(), QRect(0, 388, 548, 17));
    EXPECT_EQ(Control<QWidget>("PicScore")->geometry(), QRect(565, 0, 129, 405));
    EXPECT_TRUE(Control<QLabel>("lblTime")->text() == "00:02:00" && !Control<QTimer>("timSec")->isActive());
    EXPECT_TRUE(!Control<QAction>("MnuMute")->isChecked() && sound.BlnSound);
    Control<QAction>("mnuFileExit")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ReadSettings(), Written({"", "16", "11", "120", "sound"}));
}

TEST_F(WindowLayoutTest, MenusCarryTheirItemsAndKeys)
{
    // Every menu item answers to its key, in the designed order; Mute carries the check mark.
    Start();
    QStringList items;
    for (QMenu* menu : {Control<QMenu>("mnufile"), Control<QMenu>("MnuHelp")})
        for (QAction* action : menu->actions())
            items << (action->isSeparator() ? "-" : action->text() + " " + action->shortcut().toString());
    EXPECT_EQ(items.join('|'), "New Game F1|Theme F2|High Scores Ctrl+H|-|Pause F3|Mute F4|-|Exit Ctrl+X|"
                               "Rules and other help F5|-|About F6");
    Control<QAction>("MnuMute")->trigger();
    EXPECT_TRUE(Control<QAction>("MnuMute")->isChecked() && !sound.BlnSound);
}

TEST_F(WindowLayoutTest, CaptionsFitTheirBoxesInAWiderStandInFace)
{
    // A face wider than the designed one condenses or shrinks a caption rather than cutting it off.
    Start();
    // Level 1000, reached the way play reaches a level: one removal past the target.
    GameBoard& board = game().board;
    std::tie(board.LngLevel, board.LngBricksRemoved, board.LngBestGroup) = std::tuple(999, 1 << 20, 1 << 10);
    PaintBoard(board, {"RRB", "BYG"});
    ClickCell({0, 0});
    ClickCell({0, 0});
    ASSERT_EQ(Control<QLabel>("lblLevel")->text(), "Level: 1000");
    for (QLabel* label : {Control<QLabel>("Label1"), Control<QLabel>("lblGameOver"), Control<QLabel>("Label2"), Control<QLabel>("lblLevel")})
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
    const QRect area = Control<WrapButton>("cmdFillSpace")->rect().adjusted(2, 2, -2, -2);
    const QRect needed = QFontMetrics(Control<WrapButton>("cmdFillSpace")->captionFont(area))
                             .boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, Control<WrapButton>("cmdFillSpace")->text());
    EXPECT_TRUE(area.contains(needed));
}

using ScrollBarTest = MainWindowTest;

TEST_F(ScrollBarTest, MaximumFollowsTheOverhangAndClampsTheValue)
{
    // One pixel short is a bar of maximum 1 on that axis only; widening when scrolled right pulls the value down.
    Start();
    ResizeClient(694 - 1, 405);
    EXPECT_EQ(Layout(), "547x388 at 0,0 H 1/0 V hidden 32/0");
    ResizeClient(694, 405 - 1);
    EXPECT_EQ(Layout(), "548x387 at 0,0 H hidden 1/0 V 1/0");
    ResizeClient(694 - 100, 405);
    Control<QScrollBar>("HSWidth")->setValue(100);
    ResizeClient(694 - 40, 405);
    EXPECT_EQ(Layout(), "508x388 at -40,0 H 40/40 V hidden 1/0");
}

TEST_F(ScrollBarTest, ASmallerWindowLaysOutAgainAndTheBoardMovesOnRelease)
{
    // Each resize lays viewport, bars and panel out again; a dragged thumb moves the board only when let go.
    Start();
    ResizeClient(600, 300);
    EXPECT_EQ(Layout(), "454x283 at 0,0 H 94/0 V 105/0");
    EXPECT_EQ(Control<QScrollBar>("VSHeight")->geometry(), QRect(454, 0, 17, 283));
    EXPECT_EQ(Control<QScrollBar>("HSWidth")->geometry(), QRect(0, 283, 454, 17));
    EXPECT_EQ(Control<QWidget>("PicScore")->geometry(), QRect(471, 0, 129, 300));
    Control<QScrollBar>("HSWidth")->setSliderDown(true);
    Control<QScrollBar>("HSWidth")->setSliderPosition(60);
    EXPECT_EQ(Layout(), "454x283 at 0,0 H 94/0 V 105/0");
    Control<QScrollBar>("HSWidth")->setSliderDown(false);
    EXPECT_EQ(Layout(), "454x283 at -60,0 H 94/60 V 105/0");
    Control<QScrollBar>("HSWidth")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Layout(), "454x283 at -28,0 H 94/28 V 105/0");
}

TEST_F(ScrollBarTest, MaximizedThenNewGameOnAScrolledBoard)
{
    // Enlarged until it fits, the board keeps its offset under hidden bars; a new game puts it back at 0, 0.
    Start();
    ResizeClient(600, 330);
    Control<QScrollBar>("HSWidth")->setValue(50);
    Control<QScrollBar>("VSHeight")->setValue(20);
    ResizeClient(1000, 700);
    EXPECT_EQ(Layout(), "854x683 at -50,-20 H hidden 94/50 V hidden 75/20");
    StartNewGame("20", "12", "120");
    EXPECT_EQ(Layout(), "644x388 at 0,0 H hidden 94/50 V hidden 75/20");
    EXPECT_EQ(Client(), QSize(790, 405));
}

TEST_F(ScrollBarTest, MinimizeAndRestoreLeaveTheLayoutAsItWas)
{
    // A client smaller than the fixed parts, as while minimized, must not collapse the viewport for the restore.
    Start();
    ResizeClient(600, 330);
    Control<QScrollBar>("HSWidth")->setValue(30);
    const std::string before = Layout();
    window->showMinimized();
    ResizeClient(100, 10);
    ASSERT_TRUE(Client().width() < 146 && Client().height() < 17) << "the platform kept the window larger";
    EXPECT_EQ(Layout(), before);
    EXPECT_EQ(Control<QWidget>("PicScore")->geometry(), QRect(Client().width() - 129, 0, 129, Client().height()));
    window->showNormal();
    ResizeClient(600, 330);
    EXPECT_EQ(Layout(), before);
    EXPECT_EQ(Control<QWidget>("PicScore")->geometry(), QRect(471, 0, 129, 330));
}

TEST_F(ScrollBarTest, LargestBoardStaysInsideTheScreenAndScrollsToItsEdge)
{
    // A 32000-pixel board sizes the window to the screen, not beyond it, and its overhang fits a bar.
    Start(FileOf({"", "999", "999", "120", "sound"}));
    EXPECT_EQ(Control<BoardSurface>("PicMap")->size(), QSize(32000, 32000));
    const QSize screen = window->screen()->availableGeometry().size();
    EXPECT_TRUE(window->width() <= screen.width() && window->height() <= screen.height());
    Control<QScrollBar>("HSWidth")->setValue(Control<QScrollBar>("HSWidth")->maximum());
    EXPECT_TRUE(Control<QScrollBar>("HSWidth")->isVisible() && Control<QScrollBar>("VSHeight")->isVisible());
    EXPECT_EQ(Control<BoardSurface>("PicMap")->x() + 32000, Control<QWidget>("PicMainInterior")->width());
}

TEST_F(ScrollBarTest, NewGameOnAScreenSizedWindowLaysTheViewportOutAgain)
{
    // A window already at the screen's size does not change size at a new game, yet the viewport must fit it again.
    Start(FileOf({"", "999", "999", "120", "sound"}));
    Control<QScrollBar>("HSWidth")->setValue(200);
    std::string expected = Layout();
    expected.replace(expected.find(" at -200,0 "), 11, " at 0,0 ");
    StartNewGame("1000", "1000", "120");
    EXPECT_EQ(Layout(), expected);
    EXPECT_EQ(Control<QFrame>("PicMain")->width() + 17 + 129, Client().width());
}
