#include "BoardGeometry.h"
#include "BoardSurface.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

namespace {

class BoardViewTest : public MainWindowTest {
protected:
    // The zoom and the marks as the board shows them, the surface's size and the window's: "200% marks 320x256 in 470x277".
    std::string View() const
    {
        const BoardSurface* surface = Control<BoardSurface>("PicMap");
        const BoardPicture& picture = surface->picture();
        return std::to_string(window->preferences().zoomPercent) + "%" + (picture.brickSymbols() ? " marks " : " ") +
               std::to_string(surface->width()) + "x" + std::to_string(surface->height()) + " in " +
               std::to_string(Client().width()) + "x" + std::to_string(Client().height()) +
               (picture.geometry() == window->boardGeometry() ? "" : " (painted at another size)");
    }
};

// The Options menu sits between File and Help in order; its keys act, Ctrl+= like Ctrl++, the window fits each zoom step, which stops at both ends.
TEST_F(BoardViewTest, OptionsKeysZoomInStepsAndSwitchTheMarks)
{
    Start(FileOf({"", "4", "3", "120", "sound"}));
    QStringList menus, items;
    for (QAction* menu : window->menuBar()->actions())
        menus << menu->text();
    for (QAction* action : Control<QMenu>("mnuOptions")->actions())
        items << (action->isSeparator() ? "-" : action->text() + " " + action->shortcut().toString());
    EXPECT_EQ(menus.join('|'), "File|Options|Help");
    EXPECT_EQ(items.join('|'), QString::fromUtf8("Brick Symbols F7|-|Zoom In Ctrl++|Zoom Out Ctrl+-|Actual Size Ctrl+0|-|"
                                                 "Keep Theme for New Games |High Contrast Panel |-|"
                                                 "Music |Sound Effects |Pause When Inactive |-|"
                                                 "Play Board Number\u2026 F9|Daily Board Ctrl+D|Statistics\u2026 F8|Show Best Group B"));
    EXPECT_EQ(Control<QAction>("MnuZoomIn")->shortcuts().value(1).toString(), "Ctrl+=");

    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* view;
    } presses[] = {
        {Qt::Key_F7, Qt::NoModifier, "100% marks 160x128 in 310x149"},
        {Qt::Key_Equal, Qt::ControlModifier, "150% marks 240x192 in 390x213"},
        {Qt::Key_Plus, Qt::ControlModifier, "200% marks 320x256 in 470x277"},
        {Qt::Key_Plus, Qt::ControlModifier, "250% marks 400x320 in 550x341"},
        {Qt::Key_Plus, Qt::ControlModifier, "300% marks 480x384 in 630x405"},
        {Qt::Key_Plus, Qt::ControlModifier, "300% marks 480x384 in 630x405"},
        {Qt::Key_Minus, Qt::ControlModifier, "250% marks 400x320 in 550x341"},
        {Qt::Key_F7, Qt::NoModifier, "250% 400x320 in 550x341"},
        {Qt::Key_0, Qt::ControlModifier, "100% 160x128 in 310x149"},
        {Qt::Key_Minus, Qt::ControlModifier, "100% 160x128 in 310x149"},
        {Qt::Key_D, Qt::ControlModifier, "100% 544x384 in 694x405"},  // the daily board, 17 x 12
    };
    for (const auto& press : presses) {
        Keys({press.key}, press.modifiers);
        EXPECT_EQ(View(), press.view) << QKeySequence(press.key | press.modifiers).toString().toStdString();
        EXPECT_EQ(Control<QAction>("MnuBrickSymbols")->isChecked(), window->preferences().brickSymbols);
    }
}

// Scroll bars count zoomed pixels and an arrow step is one zoomed cell; the features table clicks through them.
TEST_F(BoardViewTest, ScrollBarsCountZoomedPixels)
{
    Start();
    for (const auto& [zoom, cell] : {std::pair{150, 48}, {250, 80}}) {
        window->setPreferences({false, zoom});
        ResizeClient(600, 400);
        QScrollBar* across = Control<QScrollBar>("HSWidth");
        QScrollBar* down = Control<QScrollBar>("VSHeight");
        EXPECT_TRUE(across->isVisible() && across->maximum() == 17 * cell - 600 + 150 && across->singleStep() == cell);
        EXPECT_TRUE(down->isVisible() && down->maximum() == 12 * cell - 400 + 21 && down->singleStep() == cell);
    }
    // Zooming in keeps the board point at the viewport's corner there: 96,6 at 150 % is 128,8 at 200 %, in a
    // window fitted to the zoomed board as far as the screen allows.
    window->setPreferences({false, 150});
    ResizeClient(600, 400);
    Control<QScrollBar>("HSWidth")->setValue(96);
    Control<QScrollBar>("VSHeight")->setValue(6);
    Control<QAction>("MnuZoomIn")->trigger();
    EXPECT_EQ(Layout(), "650x761 at -128,-8 H 442/128 V 11/8");
}

}  // namespace
