#include "BoardSurface.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>

using SettingsWindowTest = MainWindowTest;

TEST_F(SettingsWindowTest, FourLineFileWithAWidthOfOne)
{
    // The lines a file has set the board and the game length, a width of 1 is the default 17, and sound stays on.
    Start(FileOf({"", "1", "6", "45"}));
    EXPECT_EQ(Control<BoardSurface>("PicMap")->size(), QSize(544, 224));
    EXPECT_TRUE(game().GameTime() == 45 && !Control<QAction>("MnuMute")->isChecked());
    window->close();
    EXPECT_EQ(ReadSettings(), Written({"", "16", "6", "45", "sound"}));
}

TEST_F(SettingsWindowTest, FinalScoreEntersTheTableOnDiskAndTheList)
{
    // A final 400 goes below the two 400s, the nameless 300 it moves down asks again, the list skips nameless ones.
    Start(Written({"", "16", "11", "1", "mute"}, {"<b>Ann</b>", "500", "Bob", "400", "Cy", "400", "", "300"}));
    EXPECT_TRUE(Control<QAction>("MnuMute")->isChecked());
    input.answers = {"Eve", std::nullopt};
    ClickCell({0, 0});
    game().board.LngScore = 400;
    Tick();
    ASSERT_EQ(input.asked.size(), 2u);
    // On disk at once, so a program killed after the prompt keeps the score.
    EXPECT_EQ(ReadSettings(), Written({"", "16", "11", "1", "mute"},
                                      {"<b>Ann</b>", "500", "Bob", "400", "Cy", "400", "Eve", "400", "", "300"}));
    Control<QAction>("MnuHeighScores")->trigger();
    EXPECT_TRUE(Control<QGroupBox>("fraHighscores")->isVisible() && !Control<BoardSurface>("PicMap")->isVisible());
    // Names are shown as typed, never as markup.
    EXPECT_EQ(Control<QLabel>("lblName")->textFormat(), Qt::PlainText);
    EXPECT_EQ(Control<QLabel>("lblName")->text(), "\n\n<b>Ann</b>\n\nBob\n\nCy\n\nEve");
    EXPECT_EQ(Control<QLabel>("lblScores")->text(), "\n\n500\n\n400\n\n400\n\n400");
    // Centred on the viewport's interior of 544 x 384: 95.5 and 67.5, halves to even.
    EXPECT_EQ(Control<QGroupBox>("fraHighscores")->pos(), QPoint(96, 68));
}
