#include "BoardSurface.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>

using SettingsWindowTest = MainWindowTest;

TEST_F(SettingsWindowTest, TheListShowsTheNamedSlotsAsTyped)
{
    // The list skips nameless slots, shows names as typed (never as markup) and stands centred over the hidden board.
    Start(Written({"", "16", "11", "120", "sound"}, {"<b>Ann</b>", "500", "Bob", "400", "", "300", "Eve", "200"}));
    Control<QAction>("MnuHeighScores")->trigger();
    EXPECT_TRUE(Control<QGroupBox>("fraHighscores")->isVisible() && !Control<BoardSurface>("PicMap")->isVisible());
    EXPECT_EQ(Control<QLabel>("lblName")->textFormat(), Qt::PlainText);
    EXPECT_EQ(Control<QLabel>("lblName")->text(), "\n\n<b>Ann</b>\n\nBob\n\nEve");
    EXPECT_EQ(Control<QLabel>("lblScores")->text(), "\n\n500\n\n400\n\n200");
    // Centred on the viewport's interior of 544 x 384: 95.5 and 67.5, halves to even.
    EXPECT_EQ(Control<QGroupBox>("fraHighscores")->pos(), QPoint(96, 68));
}
