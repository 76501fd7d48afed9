#include "MainWindowFixture.h"

#include "BoardSurface.h"
#include "WrapButton.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {
int HighlightedCount(const GameBoard& board)
{
    int count = 0;
    for (const Brick& brick : board.bricks())
        count += brick.BlnHighLighted ? 1 : 0;
    return count;
}

bool Highlighted(const std::optional<BrickEntry>& entry)
{
    return entry && *entry >= BrickEntry::HighlightedGreen;
}

QString Caption(const LabelState& label)
{
    return QString::fromStdString(label.caption).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
}  // namespace

using BoardClickTest = MainWindowTest;

TEST_F(BoardClickTest, FirstClickSelectsTheGroupSecondClickRemovesIt)
{
    // The two-click rule through PicMap: highlight with its count, then removal with points.
    Start();
    const auto cell = CellOfGroup();
    ASSERT_TRUE(cell.has_value());
    const auto [column, row] = *cell;

    ClickCell(column, row);
    EXPECT_TRUE(window->timSec->isActive());
    const int selected = HighlightedCount(game().board);
    EXPECT_GE(selected, 2);
    EXPECT_EQ(window->lblSelected->text(), QString("Bricks Selected\n%1").arg(selected));
    EXPECT_TRUE(Highlighted(window->PicMap->picture().entryAt(column, row)));

    ClickCell(column, row);
    EXPECT_EQ(window->lblSelected->text(), "Bricks Selected\n0");
    EXPECT_EQ(HighlightedCount(game().board), 0);
    EXPECT_GT(game().board.LngScore, 0);
    EXPECT_EQ(window->lblScore->text(), QString::number(game().board.LngScore));
    EXPECT_FALSE(Highlighted(window->PicMap->picture().entryAt(column, row)));
}

TEST_F(BoardClickTest, SidePanelLabelsFollowTheModel)
{
    // Every label shows its model's caption and colour after a handler.
    Start();
    const auto cell = CellOfGroup();
    ASSERT_TRUE(cell.has_value());
    ClickCell(cell->first, cell->second);
    ClickCell(cell->first, cell->second);
    const PanelLabels& labels = game().board.labels;
    const std::vector<std::pair<QLabel*, const LabelState*>> shown{
        {window->lblMinmumBlock, &labels.lblMinmumBlock}, {window->lblScore, &labels.lblScore},
        {window->lblLevel, &labels.lblLevel},             {window->lblTime, &labels.lblTime},
        {window->lblNextLvl, &labels.lblNextLvl},         {window->lblSelected, &labels.lblSelected},
    };
    for (const auto& [label, model] : shown) {
        EXPECT_EQ(label->text(), Caption(*model)) << label->objectName().toStdString();
        const QColor color = label->palette().color(QPalette::WindowText);
        EXPECT_EQ(color.red() | color.green() << 8 | color.blue() << 16, static_cast<int>(model->color))
            << label->objectName().toStdString();
    }
}

TEST_F(BoardClickTest, RightButtonActsLikeTheLeft)
{
    // The release of any button is a click on the board.
    Start();
    const auto cell = CellOfGroup();
    ASSERT_TRUE(cell.has_value());
    ClickCell(cell->first, cell->second, Qt::RightButton);
    EXPECT_GE(HighlightedCount(game().board), 2);
    EXPECT_TRUE(window->timSec->isActive());
}

TEST_F(BoardClickTest, PressOnTheBoardReleasedOutsideOnlyStartsTheClock)
{
    // The release outside the board is still the board's, and names no cell.
    Start();
    const auto cell = CellOfGroup();
    ASSERT_TRUE(cell.has_value());
    const QPoint inside = window->PicMap->mapTo(window.get(), QPoint(32 * cell->first + 16, 32 * cell->second + 16));
    const QPoint outside = window->PicScore->mapTo(window.get(), QPoint(60, 300));
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::KeyboardModifiers(), inside);
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, Qt::KeyboardModifiers(), outside);
    EXPECT_TRUE(window->timSec->isActive());
    EXPECT_EQ(HighlightedCount(game().board), 0);
    EXPECT_EQ(window->lblSelected->text(), "Bricks Selected");
}

TEST_F(BoardClickTest, ClickOnAnEmptyCellDropsTheSelectionButLeavesThePicture)
{
    // The flags clear, yet the label and the shown board keep the old highlight.
    Start();
    auto cell = CellOfGroup();
    ASSERT_TRUE(cell.has_value());
    ClickCell(cell->first, cell->second);
    ClickCell(cell->first, cell->second);
    const Brick* empty = nullptr;
    for (const Brick& brick : game().board.bricks())
        if (brick.StrColor == "None" || brick.StrColor == "none")
            empty = &brick;
    ASSERT_NE(empty, nullptr) << "the removal left no empty cell";
    const int emptyX = empty->LngX;
    const int emptyY = empty->LngY;

    cell = CellOfGroup();
    ASSERT_TRUE(cell.has_value());
    ClickCell(cell->first, cell->second);
    const QString selectedText = window->lblSelected->text();
    ASSERT_TRUE(Highlighted(window->PicMap->picture().entryAt(cell->first, cell->second)));

    ClickCell(emptyX, emptyY);
    EXPECT_EQ(HighlightedCount(game().board), 0);
    EXPECT_EQ(game().board.LngSelected, 0);
    EXPECT_EQ(window->lblSelected->text(), selectedText);
    EXPECT_TRUE(Highlighted(window->PicMap->picture().entryAt(cell->first, cell->second)));

    // The old group is selected anew rather than removed.
    const int32_t score = game().board.LngScore;
    ClickCell(cell->first, cell->second);
    EXPECT_EQ(game().board.LngScore, score);
    EXPECT_GE(HighlightedCount(game().board), 2);
}

TEST_F(BoardClickTest, ClicksOnAScrolledBoardNameTheCellUnderThePointer)
{
    // Scrolling moves the surface, not its coordinates.
    Start();
    ResizeClient(500, 300);
    window->HSWidth->setValue(64);
    window->VSHeight->setValue(32);
    ASSERT_EQ(window->PicMap->pos(), QPoint(-64, -32));
    ClickViewport(QPoint(10, 10));
    const Brick* brick = game().board.bricks().ItemByXY(2, 1);
    ASSERT_NE(brick, nullptr);
    EXPECT_TRUE(brick->BlnHighLighted);
}

using ClockWindowTest = MainWindowTest;

TEST_F(ClockWindowTest, TwoMinuteGameRunsThroughItsMusicAndEnds)
{
    // 1:59 starts the main tune, 60 the last minute, 30 the last half minute and disables the fill button, 0 ends.
    Start();
    ASSERT_TRUE(sound.BytMain && !sound.BytMain->empty());
    audio.calls.clear();
    ClickCell(0, 0);
    Tick();
    EXPECT_EQ(window->lblTime->text(), "00:01:59");
    EXPECT_EQ(Played(), std::vector<std::string>{"MAIN"});
    while (game().board.LngTimeLeft > 61)
        Tick();
    Tick();
    EXPECT_EQ(window->lblTime->text(), "00:01:00");
    EXPECT_EQ(Played(), (std::vector<std::string>{"MAIN", "LASTMIN"}));
    while (game().board.LngTimeLeft > 31)
        Tick();
    EXPECT_TRUE(window->cmdFillSpace->isEnabled());
    Tick();
    EXPECT_EQ(window->lblTime->text(), "00:00:30");
    EXPECT_FALSE(window->cmdFillSpace->isEnabled());
    EXPECT_EQ(Played(), (std::vector<std::string>{"MAIN", "LASTMIN", "LAST30"}));
    while (game().board.LngTimeLeft > 1)
        Tick();
    EXPECT_FALSE(window->FRAGameOver->isVisible());
    Tick();
    EXPECT_EQ(window->lblTime->text(), "00:00:00");
    EXPECT_FALSE(window->timSec->isActive());
    EXPECT_TRUE(window->FRAGameOver->isVisible());
    EXPECT_TRUE(window->timGameOver->isActive());
    EXPECT_FALSE(window->PicMain->isEnabled());
    EXPECT_EQ(Played(), (std::vector<std::string>{"MAIN", "LASTMIN", "LAST30", "GAMEOVER"}));
    // Centred on the viewport's interior of 544 x 384: 179.5 and 159.5, halves to even.
    EXPECT_EQ(window->FRAGameOver->pos(), QPoint(180, 160));
}

TEST_F(ClockWindowTest, GameOverTextBlinksBetweenRedAndBlack)
{
    // Each blink tick swaps the colour of "Game Over".
    WriteSettings(SettingsText({"", "16", "11", "1", "sound"}));
    Start();
    ClickCell(0, 0);
    Tick();
    ASSERT_TRUE(window->timGameOver->isActive());
    EXPECT_EQ(window->lblGameOver->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    window->timGameOver_Timer();
    EXPECT_EQ(window->lblGameOver->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    window->timGameOver_Timer();
    EXPECT_EQ(window->lblGameOver->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(ClockWindowTest, ThirtySecondsAddedAtTwentyLeftBringTheLastMinuteBack)
{
    // A level's +30 at 20 s gives 50: the next tick restarts the last-minute tune and enables the button.
    WriteSettings(SettingsText({"", "16", "11", "21", "sound"}));
    Start();
    ClickCell(0, 0);
    Tick();
    ASSERT_EQ(game().board.LngTimeLeft, 20);
    ASSERT_FALSE(window->cmdFillSpace->isEnabled());
    audio.calls.clear();
    game().board.LngTimeLeft += 30;
    Tick();
    EXPECT_EQ(window->lblTime->text(), "00:00:49");
    EXPECT_EQ(Played(), std::vector<std::string>{"LASTMIN"});
    EXPECT_TRUE(window->cmdFillSpace->isEnabled());
}

TEST_F(ClockWindowTest, PauseBeforeTheFirstClickAndResumeStartsTheClock)
{
    // Pause hides the board; Resume starts the clock even before any click.
    Start();
    window->MnuFilePause->trigger();
    EXPECT_EQ(window->MnuFilePause->text(), "Resume");
    EXPECT_FALSE(window->PicMap->isVisible());
    EXPECT_FALSE(window->timSec->isActive());
    window->MnuFilePause->trigger();
    EXPECT_EQ(window->MnuFilePause->text(), "Pause");
    EXPECT_TRUE(window->PicMap->isVisible());
    EXPECT_TRUE(window->timSec->isActive());
}

TEST_F(ClockWindowTest, ClickOnTheFrameOfAPausedBoardResumes)
{
    // With the board hidden, a click in its frame is the frame's, and resumes.
    Start();
    ClickCell(0, 0);
    window->MnuFilePause->trigger();
    ASSERT_FALSE(window->timSec->isActive());
    ClickViewport(QPoint(100, 100));
    EXPECT_EQ(window->MnuFilePause->text(), "Pause");
    EXPECT_TRUE(window->PicMap->isVisible());
    EXPECT_TRUE(window->timSec->isActive());
}
