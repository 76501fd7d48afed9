#include "BoardPaint.h"
#include "BoardSurface.h"
#include "MainWindowFixture.h"

#include <QLabel>
#include <QScrollBar>

#include <array>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

namespace {

enum class Input { Mouse, Keys, KeysThenZoom, KeysAfterNewGame };

struct FeatureRow {
    int zoom;
    bool symbols;
    bool highContrast;
    Input input;
    const char* theme;  // a shipped theme, or "" for the built-in bricks
    QSize board = {17, 12};
};

void PrintTo(const FeatureRow& row, std::ostream* os)
{
    *os << row.zoom << "% " << (row.symbols ? "marks " : "") << (row.highContrast ? "contrast " : "")
        << std::array{"mouse", "keys", "keys then zoom", "keys after a new game"}[int(row.input)] << " " << row.theme
        << " " << row.board.width() << "x" << row.board.height();
}

using Cells = std::set<std::pair<int, int>>;

class BoardFeaturesTest : public MainWindowTest, public ::testing::WithParamInterface<FeatureRow> {
protected:
    QImage Shot() const { return Control<BoardSurface>("PicMap")->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Where two shots differ: the cells of this side, and the box around the pixels.
    static std::pair<Cells, QRect> Changed(const QImage& a, const QImage& b, int side)
    {
        std::pair<Cells, QRect> changed;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) {
                    changed.first.insert({x / side, y / side});
                    changed.second |= QRect(x, y, 1, 1);
                }
        return changed;
    }

    void ScrollToTheFarCorner()
    {
        for (const char* name : {"HSWidth", "VSHeight"})
            if (QScrollBar* bar = Control<QScrollBar>(name); bar->isVisible())
                bar->setValue(bar->maximum());
    }

    bool InView(const QRect& boardPixels) const
    {
        const QWidget* interior = Control<QWidget>("PicMainInterior");
        const QPoint corner = Control<BoardSurface>("PicMap")->mapTo(interior, boardPixels.topLeft());
        return interior->rect().contains(QRect(corner, boardPixels.size()));
    }
};

// Where the features meet, the cell a click or a key acts on, the cells drawn highlighted and the keyboard cursor's
// ring are one and the same, and in view.
TEST_P(BoardFeaturesTest, ActedOnHighlightedAndRingedCellsAgree)
{
    const FeatureRow row = GetParam();
    if (*row.theme) {
        namespace fs = std::filesystem;
        const fs::path themes = fs::path(folder.path().toStdString()) / "themes";
        fs::create_directory_symlink(TOLMORA_THEMES_DIR, themes);
        Start(FileOf({(themes / row.theme / (std::string(row.theme) + ".tlm")).string()}));
        ASSERT_FALSE(game().GameTheme().empty());
    } else {
        Start();
    }
    const auto zoomTo = [&](int zoom) { window->setPreferences({row.symbols, zoom, true, row.highContrast}); };
    zoomTo(row.zoom);
    // A new game puts the board back at 0, 0 while visible bars keep their values.
    if (row.input == Input::KeysAfterNewGame)
        ScrollToTheFarCorner();
    const int W = row.board.width(), H = row.board.height();
    if (row.input == Input::KeysAfterNewGame || row.board != QSize(17, 12))
        StartNewGame(std::to_string(W).c_str(), std::to_string(H).c_str(), "120");
    // Single bricks in a chequer, but for one green group of three next to the far corner, reached by End, Left,
    // Page Down, Up: a click or Space on its first cell highlights exactly these cells.
    const Cells group{{W - 2, H - 2}, {W - 1, H - 2}, {W - 2, H - 1}};
    std::vector<std::string> rows(H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            rows[y] += group.count({x, y}) ? 'G' : (x + y) % 2 ? 'B' : 'R';
    PaintBoard(game().board, rows);
    window->DrawBricks();

    const int side = 32 * row.zoom / 100;
    const QRect target((W - 2) * side, (H - 2) * side, side, side);
    const QImage plain = Shot();
    QImage ringed = plain;
    if (row.input == Input::Mouse) {
        ScrollToTheFarCorner();
        QWidget* interior = Control<QWidget>("PicMainInterior");
        ASSERT_TRUE(InView(target)) << "scrolled to " << Layout();
        Click(interior, Control<BoardSurface>("PicMap")->mapTo(interior, target.center()));
    } else {
        if (row.input == Input::KeysThenZoom)
            zoomTo(row.zoom == 100 ? 300 : 100);
        Keys({Qt::Key_End, Qt::Key_Left, Qt::Key_PageDown, Qt::Key_Up});
        if (row.input == Input::KeysThenZoom)
            zoomTo(row.zoom);
        ringed = Shot();
        // The ring keeps inside its cell and is most of it.
        const QRect ring = Changed(plain, ringed, side).second;
        EXPECT_TRUE(target.contains(ring) && ring.width() > side / 2 && ring.height() > side / 2)
            << "ring " << ring.x() << "," << ring.y() << " " << ring.width() << "x" << ring.height();
        EXPECT_TRUE(InView(ring)) << Layout();
        Keys({Qt::Key_Space});
    }
    EXPECT_EQ(Control<QLabel>("lblSelected")->text(), "Bricks Selected\n3");
    EXPECT_TRUE(game().board.bricks().ItemByXY(W - 2, H - 2)->BlnHighLighted);
    // Drawn highlighted: the cells that changed since the ring showed (since the start for the mouse, which shows none).
    EXPECT_EQ(Changed(ringed, Shot(), side).first, group);
}

INSTANTIATE_TEST_SUITE_P(
    Cross, BoardFeaturesTest,
    ::testing::Values(FeatureRow{100, false, false, Input::Mouse, ""}, FeatureRow{100, true, true, Input::Keys, "meadow"},
                      FeatureRow{100, false, true, Input::KeysThenZoom, "midnight"},
                      FeatureRow{100, true, false, Input::Mouse, "midnight"},
                      FeatureRow{200, false, false, Input::Keys, ""}, FeatureRow{200, true, false, Input::Mouse, "meadow"},
                      FeatureRow{200, false, true, Input::KeysThenZoom, ""},
                      FeatureRow{200, true, true, Input::Keys, "midnight"},
                      FeatureRow{200, false, false, Input::KeysAfterNewGame, "meadow"},
                      FeatureRow{300, false, true, Input::Keys, "meadow"}, FeatureRow{300, true, false, Input::Keys, ""},
                      FeatureRow{300, false, false, Input::Mouse, "midnight"},
                      FeatureRow{300, true, true, Input::KeysThenZoom, "meadow"},
                      FeatureRow{300, true, false, Input::KeysAfterNewGame, ""},
                      FeatureRow{300, false, false, Input::Keys, "midnight", {40, 30}},
                      FeatureRow{300, true, true, Input::Mouse, "", {40, 30}},
                      FeatureRow{300, false, true, Input::Mouse, ""}));

}  // namespace
