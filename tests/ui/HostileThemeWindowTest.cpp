#include "HostileFiles.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QCoreApplication>

namespace {

namespace fs = std::filesystem;
using HostileThemeTest = MainWindowTest;

// A brick of the board that is not highlighted, for a click that must highlight it.
QPoint UnhighlightedCell(GameFlow& game)
{
    for (int32_t y = 0; y <= game.board.GameHeight; ++y)
        for (int32_t x = 0; x <= game.board.GameWidth; ++x)
            if (const Brick* brick = game.board.bricks().ItemByXY(x, y); brick && !brick->BlnHighLighted)
                return QPoint(x, y);
    return QPoint(-1, -1);
}

TEST_F(HostileThemeTest, EveryHostileThemeLeavesAGameThatAnswersTheNextClick)
{
    // Devices, FIFOs, folders, huge, cut or lying files and absurd theme text, each chosen through the menu.
    Start();
    const auto themes = hostile::MakeHostileThemes(folder.filePath("hostile").toStdString());
    ASSERT_EQ(themes.size(), 12u);
    for (const auto& [name, theme] : themes) {
        SCOPED_TRACE(name);
        files.answer = theme.string();
        Control<QAction>("MnuTheme")->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(game().GameTheme(), theme.string());
        const QPoint cell = UnhighlightedCell(game());
        ASSERT_GE(cell.x(), 0);
        ClickCell(cell);
        EXPECT_TRUE(game().board.bricks().ItemByXY(cell.x(), cell.y())->BlnHighLighted);
        EXPECT_TRUE(window->isVisible());
    }
}

}  // namespace
