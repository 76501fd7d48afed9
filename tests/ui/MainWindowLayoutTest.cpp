#include "MainWindowFixture.h"

#include "BoardSurface.h"
#include "WrapButton.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

using FirstRunTest = MainWindowTest;

TEST_F(FirstRunTest, NoSettingsFileGivesTheDefaultBoardAndWindow)
{
    // A first run is 17 x 12 bricks (indices 16 and 11) in a window sized around it.
    Start();
    EXPECT_EQ(window->PicMap->geometry(), QRect(0, 0, 544, 384));
    EXPECT_EQ(window->PicMain->geometry(), QRect(0, 0, 548, 388));
    EXPECT_EQ(window->PicMainInterior->size(), QSize(544, 384));
    EXPECT_EQ(Client(), QSize(694, 405));
    EXPECT_EQ(window->VSHeight->geometry(), QRect(548, 0, 17, 388));
    EXPECT_EQ(window->HSWidth->geometry(), QRect(0, 388, 548, 17));
    EXPECT_EQ(window->PicScore->geometry(), QRect(565, 0, 129, 405));
    EXPECT_FALSE(window->HSWidth->isVisible());
    EXPECT_FALSE(window->VSHeight->isVisible());
    EXPECT_EQ(game().GameTime, 120);
    EXPECT_FALSE(window->MnuMute->isChecked());
    EXPECT_TRUE(sound.BlnSound);
    EXPECT_FALSE(window->timSec->isActive());
    EXPECT_EQ(window->lblTime->text(), "0:02:00");
}

TEST_F(FirstRunTest, ClosingWritesTheTwentyFiveLineFile)
{
    // The unload writes the settings and an empty table, CR LF after every line.
    Start();
    const auto lines = CloseAndReadSettings();
    ASSERT_TRUE(lines.has_value());
    std::vector<std::string> expected{"", "16", "11", "120", "sound"};
    for (int slot = 0; slot < 10; ++slot) {
        expected.push_back("");
        expected.push_back("0");
    }
    EXPECT_EQ(*lines, expected);
}

TEST_F(FirstRunTest, ExitMenuItemClosesTheWindowAndWritesTheFile)
{
    // File > Exit is the normal unload, not an abrupt end.
    Start();
    EXPECT_EQ(window->mnuFileExit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    window->mnuFileExit->trigger();
    EXPECT_FALSE(window->isVisible());
    const auto lines = ReadSettings();
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->size(), 25u);
}

using WindowControlsTest = MainWindowTest;

TEST_F(WindowControlsTest, SidePanelControlsHaveTheirDesignGeometry)
{
    // The information panel never moves; its controls sit where they were drawn.
    Start();
    EXPECT_EQ(window->PicInfo->geometry(), QRect(0, 0, 129, 377));
    EXPECT_EQ(window->cmdFillSpace->geometry(), QRect(8, 168, 105, 33));
    EXPECT_EQ(window->lblMinmumBlock->geometry(), QRect(0, 208, 129, 177));
    EXPECT_EQ(window->lblSelected->geometry(), QRect(0, 128, 113, 33));
    EXPECT_EQ(window->lblNextLvl->geometry(), QRect(0, 96, 113, 33));
    EXPECT_EQ(window->lblScore->geometry(), QRect(16, 48, 97, 17));
    EXPECT_EQ(window->Label1->geometry(), QRect(0, 24, 106, 24));
    EXPECT_EQ(window->lblTime->geometry(), QRect(16, 72, 97, 17));
    EXPECT_EQ(window->lblLevel->geometry(), QRect(0, 0, 97, 17));
    EXPECT_EQ(window->fraHighscores->size(), QSize(353, 249));
    EXPECT_EQ(window->Label2->geometry(), QRect(16, 16, 321, 41));
    EXPECT_EQ(window->lblName->geometry(), QRect(16, 64, 209, 177));
    EXPECT_EQ(window->lblScores->geometry(), QRect(240, 64, 105, 177));
    EXPECT_EQ(window->FRAGameOver->size(), QSize(185, 65));
    EXPECT_EQ(window->lblGameOver->geometry(), QRect(8, 16, 164, 37));
    EXPECT_EQ(window->timSec->interval(), 1000);
    EXPECT_EQ(window->timGameOver->interval(), 300);
}

TEST_F(WindowControlsTest, CaptionsAlignmentsAndFonts)
{
    // Texts are the game's own, spacing included; fonts keep their point sizes.
    Start();
    EXPECT_EQ(window->windowTitle(), "Tolmora");
    EXPECT_EQ(window->cmdFillSpace->text(), "Fill Empty Space  (30 second Penalty)");
    EXPECT_EQ(window->Label1->text(), "Your Score");
    EXPECT_EQ(window->Label2->text(), "High Scores");
    EXPECT_EQ(window->lblGameOver->text(), "Game Over");
    EXPECT_EQ(window->lblLevel->text(), "Level: 1");
    EXPECT_EQ(window->lblNextLvl->text(), "Bricks For Level  50");
    EXPECT_TRUE(window->lblScore->alignment() & Qt::AlignRight);
    EXPECT_TRUE(window->lblMinmumBlock->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(window->Label2->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(window->lblScores->alignment() & Qt::AlignRight);
    EXPECT_DOUBLE_EQ(window->lblScore->font().pointSizeF(), 8.25);
    EXPECT_TRUE(window->lblScore->font().bold());
    EXPECT_LE(window->Label1->font().pointSizeF(), 13.5);
    EXPECT_TRUE(window->Label1->font().bold());
    EXPECT_LE(window->lblLevel->font().pointSizeF(), 12);
    EXPECT_LE(window->Label2->font().pointSizeF(), 18);
    EXPECT_DOUBLE_EQ(window->lblName->font().pointSizeF(), 12);
    EXPECT_FALSE(window->lblName->font().bold());
    EXPECT_LE(window->lblGameOver->font().pointSizeF(), 24);
    EXPECT_GE(window->lblGameOver->font().pointSizeF(), 18);
    EXPECT_DOUBLE_EQ(window->cmdFillSpace->font().pointSizeF(), 8.25);
    // Without the designed face, an installed sans-serif family stands in.
    const QString family = window->lblScore->font().family();
    EXPECT_TRUE(QFontDatabase::families().contains(family)) << family.toStdString();
    EXPECT_EQ(window->font().family(), family);
    EXPECT_EQ(window->lblGameOver->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(WindowControlsTest, MenusCarryTheirCaptionsAndShortcuts)
{
    // Every menu item answers to its key; Mute carries a check mark.
    Start();
    const std::vector<std::pair<QAction*, QKeySequence>> items{
        {window->MnuFileNewGame, QKeySequence(Qt::Key_F1)},
        {window->MnuTheme, QKeySequence(Qt::Key_F2)},
        {window->MnuHeighScores, QKeySequence(Qt::CTRL | Qt::Key_H)},
        {window->MnuFilePause, QKeySequence(Qt::Key_F3)},
        {window->MnuMute, QKeySequence(Qt::Key_F4)},
        {window->mnuFileExit, QKeySequence(Qt::CTRL | Qt::Key_X)},
        {window->MnuRules, QKeySequence(Qt::Key_F5)},
        {window->MnuAbout, QKeySequence(Qt::Key_F6)},
    };
    for (const auto& [action, keys] : items)
        EXPECT_EQ(action->shortcut(), keys) << action->text().toStdString();

    QStringList fileMenu;
    for (QAction* action : window->mnufile->actions())
        fileMenu << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(fileMenu.join('|'), "New Game|Theme|High Scores|-|Pause|Mute|-|Exit");
    QStringList helpMenu;
    for (QAction* action : window->MnuHelp->actions())
        helpMenu << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(helpMenu.join('|'), "Rules and other help|-|About");
    EXPECT_EQ(window->mnufile->title(), "File");
    EXPECT_EQ(window->MnuHelp->title(), "Help");
    EXPECT_TRUE(window->MnuMute->isCheckable());

    window->MnuMute->trigger();
    EXPECT_TRUE(window->MnuMute->isChecked());
    EXPECT_FALSE(sound.BlnSound);
    window->MnuMute->trigger();
    EXPECT_FALSE(window->MnuMute->isChecked());
    EXPECT_TRUE(sound.BlnSound);
}

TEST_F(WindowControlsTest, FillButtonCaptionFitsInsideTheButton)
{
    // A wider stand-in face must not cut the caption off.
    Start();
    const QRect area = window->cmdFillSpace->rect().adjusted(2, 2, -2, -2);
    const QFont font = window->cmdFillSpace->captionFont(area);
    const QRect needed = QFontMetrics(font).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap,
                                                         window->cmdFillSpace->text());
    EXPECT_LE(needed.width(), area.width());
    EXPECT_LE(needed.height(), area.height());
}

TEST_F(WindowControlsTest, OneLineCaptionsFitTheirBoxes)
{
    // A wider stand-in face is condensed or reduced rather than cutting a caption off.
    Start();
    for (QLabel* label : {window->Label1, window->lblGameOver, window->Label2, window->lblLevel}) {
        const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
        EXPECT_LE(needed, label->contentsRect().width()) << label->text().toStdString();
    }
    game().board.labels.lblLevel.caption = "Level: 1000";
    window->ShowState();
    EXPECT_EQ(window->lblLevel->text(), "Level: 1000");
    EXPECT_LE(QFontMetrics(window->lblLevel->font()).horizontalAdvance("Level: 1000"),
              window->lblLevel->contentsRect().width());
}

using ScrollBarTest = MainWindowTest;

TEST_F(ScrollBarTest, ShrinkingByOnePixelShowsOnlyThatBarWithMaximumOne)
{
    // An overhang of one pixel is a bar of maximum 1; the other axis still fits.
    Start();
    ResizeClient(694 - 1, 405);
    EXPECT_TRUE(window->HSWidth->isVisible());
    EXPECT_EQ(window->HSWidth->maximum(), 1);
    EXPECT_FALSE(window->VSHeight->isVisible());

    ResizeClient(694, 405 - 1);
    EXPECT_FALSE(window->HSWidth->isVisible());
    EXPECT_TRUE(window->VSHeight->isVisible());
    EXPECT_EQ(window->VSHeight->maximum(), 1);
}

TEST_F(ScrollBarTest, ResizeKeepsTheRegionsAroundTheViewport)
{
    // Each resize lays the viewport, the bars and the side panel out again.
    Start();
    ResizeClient(600, 300);
    EXPECT_EQ(window->PicMain->geometry(), QRect(0, 0, 600 - 129 - 17, 300 - 17));
    EXPECT_EQ(window->VSHeight->geometry(), QRect(454, 0, 17, 283));
    EXPECT_EQ(window->HSWidth->geometry(), QRect(0, 283, 454, 17));
    EXPECT_EQ(window->PicScore->geometry(), QRect(471, 0, 129, 300));
    EXPECT_EQ(window->PicInfo->geometry(), QRect(0, 0, 129, 377));
    EXPECT_EQ(window->HSWidth->maximum(), 544 - 450);
    EXPECT_EQ(window->VSHeight->maximum(), 384 - 279);
}

TEST_F(ScrollBarTest, DraggingTheThumbMovesTheBoardOnlyOnRelease)
{
    // While the thumb is dragged the board stays; letting go moves it.
    Start();
    ResizeClient(500, 300);
    window->HSWidth->setSliderDown(true);
    window->HSWidth->setSliderPosition(60);
    EXPECT_EQ(window->PicMap->x(), 0);
    window->HSWidth->setSliderDown(false);
    EXPECT_EQ(window->PicMap->x(), -60);
    // An arrow click moves one brick.
    window->HSWidth->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(window->PicMap->x(), -28);
}

TEST_F(ScrollBarTest, WideningWhileScrolledRightClampsTheValueAndTheBoardFollows)
{
    // A maximum below the value pulls the value down; the board's right edge stays at the viewport's.
    Start();
    ResizeClient(694 - 100, 405);
    ASSERT_EQ(window->HSWidth->maximum(), 100);
    window->HSWidth->setValue(100);
    ASSERT_EQ(window->PicMap->x(), -100);

    ResizeClient(694 - 40, 405);
    EXPECT_EQ(window->HSWidth->maximum(), 40);
    EXPECT_EQ(window->HSWidth->value(), 40);
    EXPECT_EQ(window->PicMap->x(), -40);
    EXPECT_EQ(window->PicMap->x() + window->PicMap->width(), window->PicMainInterior->width());
}

TEST_F(ScrollBarTest, EnlargingUntilTheBoardFitsHidesTheBarAndKeepsTheOffset)
{
    // Hidden bars keep value and maximum; the board stays scrolled.
    Start();
    ResizeClient(600, 330);
    window->HSWidth->setValue(50);
    window->VSHeight->setValue(20);
    ResizeClient(1000, 700);
    EXPECT_FALSE(window->HSWidth->isVisible());
    EXPECT_FALSE(window->VSHeight->isVisible());
    EXPECT_EQ(window->PicMap->pos(), QPoint(-50, -20));
    EXPECT_EQ(window->HSWidth->value(), 50);
    EXPECT_EQ(window->PicMain->size(), QSize(1000 - 146, 700 - 17));
}

TEST_F(ScrollBarTest, NewGameOnAScrolledBoardPutsTheBoardBackAtTheOrigin)
{
    // SizeToBoard moves the board to 0, 0 and leaves the bars' values alone.
    Start();
    ResizeClient(600, 330);
    window->HSWidth->setValue(50);
    window->VSHeight->setValue(20);
    NewGameThroughDialog("17", "12", "120");
    EXPECT_EQ(window->PicMap->pos(), QPoint(0, 0));
    EXPECT_EQ(Client(), QSize(694, 405));
    EXPECT_FALSE(window->HSWidth->isVisible());
    EXPECT_EQ(window->HSWidth->value(), 50);
    EXPECT_EQ(window->VSHeight->value(), 20);
    EXPECT_EQ(window->Picdemo->geometry(), window->PicMap->geometry());
}

TEST_F(ScrollBarTest, MinimizeAndRestoreLeaveTheLayoutAsItWas)
{
    // A minimized window must not leave the viewport collapsed on return.
    Start();
    ResizeClient(600, 330);
    window->HSWidth->setValue(30);
    const QRect viewport = window->PicMain->geometry();
    const QRect panel = window->PicScore->geometry();
    const QPoint board = window->PicMap->pos();
    window->showMinimized();
    QCoreApplication::processEvents();
    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->PicMain->geometry(), viewport);
    EXPECT_EQ(window->PicScore->geometry(), panel);
    EXPECT_EQ(window->PicMap->pos(), board);
    EXPECT_TRUE(window->HSWidth->isVisible());
    EXPECT_EQ(window->HSWidth->value(), 30);
}

TEST_F(ScrollBarTest, AClientNarrowerThanTheFixedPartsKeepsTheViewport)
{
    // A negative viewport width is skipped; the rest of the layout still runs.
    Start();
    const QRect viewport = window->PicMain->geometry();
    ResizeClient(100, 405);
    if (Client().width() >= 146)
        GTEST_SKIP() << "the platform kept the window wider than its fixed parts";
    EXPECT_EQ(window->PicMain->geometry(), viewport);
    EXPECT_EQ(window->PicScore->x(), Client().width() - 129);
}

TEST_F(ScrollBarTest, LargestBoardStaysInsideTheScreenAndScrolls)
{
    // A 32000-pixel board sizes the window to the screen, not beyond it, and its overhang fits a bar.
    WriteSettings(SettingsText({"", "999", "999", "120", "sound"}));
    Start();
    EXPECT_EQ(window->PicMap->size(), QSize(32000, 32000));
    const QSize screen = window->screen()->availableGeometry().size();
    EXPECT_LE(window->width(), screen.width());
    EXPECT_LE(window->height(), screen.height());
    ASSERT_TRUE(window->HSWidth->isVisible());
    ASSERT_TRUE(window->VSHeight->isVisible());
    EXPECT_EQ(window->HSWidth->maximum(), 32000 - window->PicMainInterior->width());
    window->HSWidth->setValue(window->HSWidth->maximum());
    EXPECT_EQ(window->PicMap->x() + 32000, window->PicMainInterior->width());
}
