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
    EXPECT_EQ(window->PicMap->size(), QSize(544, 384));
    EXPECT_EQ(Layout(), "548x388 at 0,0 H hidden 32/0 V hidden 32/0");
    EXPECT_EQ(Client(), QSize(694, 405));
    EXPECT_EQ(window->VSHeight->geometry(), QRect(548, 0, 17, 388));
    EXPECT_EQ(window->HSWidth->geometry(), QRect(0, 388, 548, 17));
    EXPECT_EQ(window->PicScore->geometry(), QRect(565, 0, 129, 405));
    EXPECT_TRUE(window->lblTime->text() == "0:02:00" && !window->timSec->isActive());
    EXPECT_TRUE(!window->MnuMute->isChecked() && sound.BlnSound);
    window->mnuFileExit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ReadSettings(), Written({"", "16", "11", "120", "sound"}));
}

TEST_F(WindowLayoutTest, MenusCarryTheirItemsAndKeys)
{
    // Every menu item answers to its key, in the designed order; Mute carries the check mark.
    Start();
    QStringList items;
    for (QMenu* menu : {window->mnufile, window->MnuHelp})
        for (QAction* action : menu->actions())
            items << (action->isSeparator() ? "-" : action->text() + " " + action->shortcut().toString());
    EXPECT_EQ(items.join('|'), "New Game F1|Theme F2|High Scores Ctrl+H|-|Pause F3|Mute F4|-|Exit Ctrl+X|"
                               "Rules and other help F5|-|About F6");
    window->MnuMute->trigger();
    EXPECT_TRUE(window->MnuMute->isChecked() && !sound.BlnSound);
}

TEST_F(WindowLayoutTest, CaptionsFitTheirBoxesInAWiderStandInFace)
{
    // A face wider than the designed one condenses or shrinks a caption rather than cutting it off.
    Start();
    game().board.labels.lblLevel.caption = "Level: 1000";
    window->ShowState();
    for (QLabel* label : {window->Label1, window->lblGameOver, window->Label2, window->lblLevel})
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
    const QRect area = window->cmdFillSpace->rect().adjusted(2, 2, -2, -2);
    const QRect needed = QFontMetrics(window->cmdFillSpace->captionFont(area))
                             .boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, window->cmdFillSpace->text());
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
    window->HSWidth->setValue(100);
    ResizeClient(694 - 40, 405);
    EXPECT_EQ(Layout(), "508x388 at -40,0 H 40/40 V hidden 1/0");
}

TEST_F(ScrollBarTest, ASmallerWindowLaysOutAgainAndTheBoardMovesOnRelease)
{
    // Each resize lays viewport, bars and panel out again; a dragged thumb moves the board only when let go.
    Start();
    ResizeClient(600, 300);
    EXPECT_EQ(Layout(), "454x283 at 0,0 H 94/0 V 105/0");
    EXPECT_EQ(window->VSHeight->geometry(), QRect(454, 0, 17, 283));
    EXPECT_EQ(window->HSWidth->geometry(), QRect(0, 283, 454, 17));
    EXPECT_EQ(window->PicScore->geometry(), QRect(471, 0, 129, 300));
    window->HSWidth->setSliderDown(true);
    window->HSWidth->setSliderPosition(60);
    EXPECT_EQ(Layout(), "454x283 at 0,0 H 94/0 V 105/0");
    window->HSWidth->setSliderDown(false);
    EXPECT_EQ(Layout(), "454x283 at -60,0 H 94/60 V 105/0");
    window->HSWidth->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Layout(), "454x283 at -28,0 H 94/28 V 105/0");
}

TEST_F(ScrollBarTest, MaximizedThenNewGameOnAScrolledBoard)
{
    // Enlarged until it fits, the board keeps its offset under hidden bars; a new game puts it back at 0, 0.
    Start();
    ResizeClient(600, 330);
    window->HSWidth->setValue(50);
    window->VSHeight->setValue(20);
    ResizeClient(1000, 700);
    EXPECT_EQ(Layout(), "854x683 at -50,-20 H hidden 94/50 V hidden 75/20");
    StartNewGame("20", "12", "120");
    EXPECT_EQ(Layout(), "644x388 at 0,0 H hidden 94/50 V hidden 75/20");
    EXPECT_EQ(Client(), QSize(790, 405));
    EXPECT_EQ(window->Picdemo->geometry(), window->PicMap->geometry());
}

TEST_F(ScrollBarTest, MinimizeAndRestoreLeaveTheLayoutAsItWas)
{
    // A client smaller than the fixed parts, as while minimized, must not collapse the viewport for the restore.
    Start();
    ResizeClient(600, 330);
    window->HSWidth->setValue(30);
    const std::string before = Layout();
    window->showMinimized();
    ResizeClient(100, 10);
    ASSERT_TRUE(Client().width() < 146 && Client().height() < 17) << "the platform kept the window larger";
    EXPECT_EQ(Layout(), before);
    EXPECT_EQ(window->PicScore->geometry(), QRect(Client().width() - 129, 0, 129, Client().height()));
    window->showNormal();
    ResizeClient(600, 330);
    EXPECT_EQ(Layout(), before);
    EXPECT_EQ(window->PicScore->geometry(), QRect(471, 0, 129, 330));
}

TEST_F(ScrollBarTest, LargestBoardStaysInsideTheScreenAndScrollsToItsEdge)
{
    // A 32000-pixel board sizes the window to the screen, not beyond it, and its overhang fits a bar.
    Start(FileOf({"", "999", "999", "120", "sound"}));
    EXPECT_EQ(window->PicMap->size(), QSize(32000, 32000));
    const QSize screen = window->screen()->availableGeometry().size();
    EXPECT_TRUE(window->width() <= screen.width() && window->height() <= screen.height());
    window->HSWidth->setValue(window->HSWidth->maximum());
    EXPECT_TRUE(window->HSWidth->isVisible() && window->VSHeight->isVisible());
    EXPECT_EQ(window->PicMap->x() + 32000, window->PicMainInterior->width());
}

TEST_F(ScrollBarTest, NewGameOnAScreenSizedWindowLaysTheViewportOutAgain)
{
    // A window already at the screen's size does not change size at a new game, yet the viewport must fit it again.
    Start(FileOf({"", "999", "999", "120", "sound"}));
    window->HSWidth->setValue(200);
    std::string expected = Layout();
    expected.replace(expected.find(" at -200,0 "), 11, " at 0,0 ");
    StartNewGame("1000", "1000", "120");
    EXPECT_EQ(Layout(), expected);
    EXPECT_EQ(window->PicMain->width() + 17 + 129, Client().width());
}
