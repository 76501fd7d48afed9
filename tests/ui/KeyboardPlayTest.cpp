#include "BoardPaint.h"
#include "BoardSurface.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

// Checks of the board as a player sees it, through the real window with keys sent to it as a keyboard would.
class KeyboardPlayTest : public MainWindowTest {
protected:
    // The cell the board shows the cursor on, if any; the features table checks that its ring is drawn there.
    std::optional<QPoint> CursorSeen() const
    {
        const std::optional<CellCoord> cell = Control<BoardSurface>("PicMap")->cursor();
        return cell ? std::optional(QPoint(cell->x, cell->y)) : std::nullopt;
    }

    QString Selected() const { return Control<QLabel>("lblSelected")->text(); }
};

class ReleaseKeyTest : public KeyboardPlayTest, public ::testing::WithParamInterface<Qt::Key> {};

// Space and Return are a release on the cursor's cell: the first starts the clock and selects, the second removes.
TEST_P(ReleaseKeyTest, TwoPressesSelectThenRemoveAndEscapeDropsTheSelection)
{
    Start();
    PaintBoard(game().board, {"RBBR", "BRRB"});
    Keys({Qt::Key_Right});
    window->DrawBricks();
    const QImage before = Control<BoardSurface>("PicMap")->grab().toImage();
    ASSERT_FALSE(Control<QTimer>("timSec")->isActive());
    Keys({GetParam()});
    EXPECT_TRUE(Control<QTimer>("timSec")->isActive());
    EXPECT_EQ(Selected(), "Bricks Selected\n2");
    EXPECT_TRUE(game().board.bricks().ItemByXY(2, 0)->BlnHighLighted);
    // Escape lets the selection go, the board drawn as before it, so the next press selects anew.
    Keys({Qt::Key_Escape});
    EXPECT_EQ(game().board.LngSelected, 0);
    EXPECT_EQ(Selected(), "Bricks Selected\n0");
    EXPECT_EQ(Control<BoardSurface>("PicMap")->grab().toImage(), before);
    Keys({GetParam(), GetParam()});
    EXPECT_EQ(Selected(), "Bricks Selected\n0");
    EXPECT_EQ(game().board.LngScore, 2);
    // The mouse hides the cursor; the next key brings it back where it was.
    ClickCell({3, 3});
    EXPECT_EQ(CursorSeen(), std::nullopt);
    Keys({Qt::Key_Down});
    EXPECT_EQ(CursorSeen(), QPoint(1, 1));
}

INSTANTIATE_TEST_SUITE_P(Keys, ReleaseKeyTest, ::testing::Values(Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter));

// Hidden until the first key; on a board larger than the window the view follows it, a move repaints only its two cells.
TEST_F(KeyboardPlayTest, TheViewFollowsTheCursorOnALargeBoard)
{
    Start();
    StartNewGame("100", "100", "120");
    ASSERT_EQ(game().board.GameWidth, 99);
    const QWidget* interior = Control<QWidget>("PicMainInterior");
    const BoardSurface* surface = Control<BoardSurface>("PicMap");
    const auto inView = [&](QPoint cell) {
        const QRect shown(surface->mapTo(interior, QPoint(cell.x(), cell.y()) * 32), QSize(32, 32));
        return interior->rect().contains(shown);
    };
    // The first key only shows the cursor; the second moves it from one cell to the next.
    EXPECT_EQ(CursorSeen(), std::nullopt);
    Keys({Qt::Key_Down});
    EXPECT_EQ(surface->lastPaintedBricks(), 1);
    Keys({Qt::Key_Down}, Qt::KeypadModifier);  // the keypad's arrows are arrows
    EXPECT_EQ(surface->lastPaintedBricks(), 2);
    Keys({Qt::Key_Right}, Qt::ControlModifier);  // with Ctrl a key is left to the menus
    EXPECT_EQ(CursorSeen(), QPoint(0, 2));
    for (const auto& [keys, cell] : std::initializer_list<std::pair<std::vector<Qt::Key>, QPoint>>{
             {{Qt::Key_End}, {99, 2}},
             {{Qt::Key_PageDown}, {99, 99}},
             {{Qt::Key_Home, Qt::Key_PageUp}, {0, 0}},
             {{Qt::Key_PageDown, Qt::Key_Up}, {0, 98}}}) {
        for (Qt::Key key : keys)
            Keys({key});
        EXPECT_EQ(CursorSeen(), cell);
        EXPECT_TRUE(inView(cell)) << cell.x() << "," << cell.y() << " " << Layout();
    }
    // A bar moves only as far as it must: one row up from the bottom is still in view.
    EXPECT_EQ(Control<QScrollBar>("VSHeight")->value(), Control<QScrollBar>("VSHeight")->maximum());
}

enum class Stopped { Paused, Over };

class StoppedBoardTest : public KeyboardPlayTest, public ::testing::WithParamInterface<Stopped> {};

// While paused or once the game is over the board takes no key, as it takes no click; the menus' keys still work.
TEST_P(StoppedBoardTest, KeysAreIgnored)
{
    Start();
    PaintBoard(game().board, {"RRBB", "BBRR"});
    if (GetParam() == Stopped::Paused) {
        Keys({Qt::Key_F3});
        ASSERT_EQ(Control<QAction>("MnuFilePause")->text(), "Resume");
    } else {
        ClickCell({0, 0});
        Tick(120);
        ASSERT_TRUE(game().gameOver());
    }
    const QString selected = Selected();
    const int32_t flagged = game().board.LngSelected;
    Keys({Qt::Key_Right, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Space});
    EXPECT_EQ(Selected(), selected);
    EXPECT_EQ(game().board.LngSelected, flagged);
    EXPECT_FALSE(Control<QTimer>("timSec")->isActive());
    EXPECT_EQ(CursorSeen(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(States, StoppedBoardTest, ::testing::Values(Stopped::Paused, Stopped::Over),
                         [](const auto& info) { return std::string(info.param == Stopped::Paused ? "Paused" : "Over"); });

}  // namespace
