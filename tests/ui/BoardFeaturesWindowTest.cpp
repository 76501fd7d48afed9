#include "BoardPaint.h"
#include "BoardSurface.h"
#include "MainWindowFixture.h"

#include <QLabel>
#include <QScrollBar>

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
};

void PrintTo(const FeatureRow& row, std::ostream* os)
{
    const char* inputs[] = {"mouse", "keys", "keys then zoom", "keys after a new game"};
    *os << row.zoom << "% " << (row.symbols ? "marks " : "") << (row.highContrast ? "contrast " : "")
        << inputs[int(row.input)] << " " << (*row.theme ? row.theme : "built-in");
}

using Cells = std::set<std::pair<int, int>>;

// Single bricks in a chequer, but for one green group of three near the far corner, reached by End, Left,
// Page Down, Up: a click or Space on its first cell highlights exactly these cells.
const Cells kGroup{{15, 10}, {16, 10}, {15, 11}};

class BoardFeaturesTest : public MainWindowTest, public ::testing::WithParamInterface<FeatureRow> {
protected:
    QImage Shot() const { return Control<BoardSurface>("PicMap")->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The cells of this side whose pixels differ between two shots.
    static Cells Changed(const QImage& a, const QImage& b, int side)
    {
        Cells cells;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    cells.insert({x / side, y / side});
        return cells;
    }

    static QRect ChangedBox(const QImage& a, const QImage& b)
    {
        QRect box;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    box |= QRect(x, y, 1, 1);
        return box;
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
    const auto zoomTo = [&](int zoom) { window->setPreferences({row.symbols, zoom, false, row.highContrast}); };
    zoomTo(row.zoom);
    if (row.input == Input::KeysAfterNewGame) {
        ScrollToTheFarCorner();
        StartNewGame("17", "12", "120");
    }
    std::vector<std::string> rows;
    for (int y = 0; y < 12; ++y)
        rows.push_back(y % 2 ? "BRBRBRBRBRBRBRBRB" : "RBRBRBRBRBRBRBRBR");
    rows[10].replace(15, 2, "GG");
    rows[11][15] = 'G';
    PaintBoard(game().board, rows);
    window->DrawBricks();

    const int side = 32 * row.zoom / 100;
    const QRect target(15 * side, 10 * side, side, side);
    const QImage plain = Shot();
    QImage ringed = plain;
    if (row.input == Input::Mouse) {
        ScrollToTheFarCorner();
        const QWidget* interior = Control<QWidget>("PicMainInterior");
        const QPoint at = Control<BoardSurface>("PicMap")->mapTo(interior, target.center());
        ASSERT_TRUE(InView(target)) << "scrolled to " << Layout();
        Click(Control<QWidget>("PicMainInterior"), at);
    } else {
        if (row.input == Input::KeysThenZoom)
            zoomTo(row.zoom == 100 ? 300 : 100);
        Keys({Qt::Key_End, Qt::Key_Left, Qt::Key_PageDown, Qt::Key_Up});
        if (row.input == Input::KeysThenZoom)
            zoomTo(row.zoom);
        ringed = Shot();
        // The ring keeps inside its cell and is most of it.
        const QRect ring = ChangedBox(plain, ringed);
        EXPECT_TRUE(target.contains(ring) && ring.width() > side / 2 && ring.height() > side / 2)
            << "ring " << ring.x() << "," << ring.y() << " " << ring.width() << "x" << ring.height();
        EXPECT_TRUE(InView(ring)) << Layout();
        Keys({Qt::Key_Space});
    }
    EXPECT_EQ(Control<QLabel>("lblSelected")->text(), "Bricks Selected\n3");
    EXPECT_TRUE(game().board.bricks().ItemByXY(15, 10)->BlnHighLighted);
    // Drawn highlighted: the cells that changed since the ring showed (since the start for the mouse, which shows none).
    EXPECT_EQ(Changed(ringed, Shot(), side), kGroup);
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
                      FeatureRow{300, false, true, Input::Mouse, ""}));

}  // namespace
