#include "SoakChecks.h"

#include "GameTexts.h"
#include "FindControl.h"
#include "SettingsFile.h"
#include "frmMain.h"

#include <QGroupBox>
#include <QLabel>

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

namespace {

std::string Text(const QLabel* label) { return label->text().toStdString(); }

// A label is either left as it was or rewritten to what the counters say.
std::string CheckLabel(const char* name, const QLabel* label, bool rewritten, const QString& expected,
                       const QString& before)
{
    const QString& wanted = rewritten ? expected : before;
    if (label->text() == wanted)
        return {};
    return std::string(name) + " shows \"" + Printable(Text(label)) + "\" where \"" + Printable(wanted.toStdString()) +
           "\" is due" + (rewritten ? "" : " (the step had no reason to rewrite it)");
}

// The list shows one row per named slot, best first.
std::string CheckHighScoreList(const frmMain& window, const GameFlow& game)
{
    QStringList names;
    QStringList scores;
    for (int i = 0; i < kHighScoreSlots; ++i) {
        if (game.highScores().StrHighNames[i].empty())
            continue;
        names << QString::fromStdString(game.highScores().StrHighNames[i]);
        scores << QString::number(game.highScores().LngHighScores[i]);
    }
    if (FindControl<QLabel>(window, "lblName")->text().split('\n', Qt::SkipEmptyParts) != names ||
        FindControl<QLabel>(window, "lblScores")->text().split('\n', Qt::SkipEmptyParts) != scores)
        return "the high-score list shows \"" + Printable(Text(FindControl<QLabel>(window, "lblName"))) + "\" / \"" +
               Printable(Text(FindControl<QLabel>(window, "lblScores"))) + "\", not the table's named rows";
    return {};
}

// What the writer makes of a value it cannot store on one line.
std::string OnOneLine(std::string text)
{
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

std::string Shown(const std::string& text) { return "\"" + Printable(text) + "\""; }
std::string Shown(int32_t number) { return std::to_string(number); }

template <typename T>
std::string Differ(const std::string& what, const std::optional<T>& read, const T& held)
{
    if (read && *read == held)
        return {};
    return "\"Settings.log\" reads back " + what + " as " + (read ? Shown(*read) : "nothing") +
           " while the game holds " + Shown(held);
}

}  // namespace

std::string Printable(const std::string& text)
{
    std::string out;
    for (unsigned char c : text.substr(0, 120)) {
        if (c < 0x20 || c == 0x7F) {
            static const char digits[] = "0123456789ABCDEF";
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return text.size() > 120 ? out + "... (" + std::to_string(text.size()) + " bytes)" : out;
}

PanelSnapshot TakeSnapshot(frmMain& window)
{
    const GameBoard& board = window.game().board;
    return {FindControl<QLabel>(window, "lblScore")->text(), FindControl<QLabel>(window, "lblTime")->text(), FindControl<QLabel>(window, "lblNextLvl")->text(), FindControl<QLabel>(window, "lblSelected")->text(),
            board.LngTimeLeft, board.LngBricksRemoved};
}

std::string CheckGame(frmMain& window, const PanelSnapshot& before, const StepFacts& facts)
{
    const GameFlow& game = window.game();
    const GameBoard& board = game.board;

    const int64_t cells = (int64_t{board.GameWidth} + 1) * (int64_t{board.GameHeight} + 1);
    if (board.bricks().Count() != cells)
        return "the board holds " + std::to_string(board.bricks().Count()) + " bricks for " + std::to_string(cells) +
               " cells";

    // Only the highlighted group is flagged, and LngSelected counts it.
    int64_t flagged = 0;
    for (const Brick& brick : board.bricks())
        flagged += brick.BlnHighLighted ? 1 : 0;
    if (flagged != board.LngSelected)
        return std::to_string(flagged) + " bricks are highlighted while LngSelected is " +
               std::to_string(board.LngSelected);

    for (int i = 1; i < kHighScoreSlots; ++i)
        if (game.highScores().LngHighScores[i] > game.highScores().LngHighScores[i - 1])
            return "the high-score table is out of order at slot " + std::to_string(i);
    if (FindControl<QGroupBox>(window, "fraHighscores")->isVisible())
        if (std::string fault = CheckHighScoreList(window, game); !fault.empty())
            return fault;

    // Once the game is over LngScore carries entries down the high-score
    // table, and the label keeps the final score until the board is drawn.
    const QString score = QString::number(board.LngScore);
    if (FindControl<QLabel>(window, "lblScore")->text() != score && !(game.gameOver() && FindControl<QLabel>(window, "lblScore")->text() == before.lblScore))
        return "lblScore shows \"" + Text(FindControl<QLabel>(window, "lblScore")) + "\" with LngScore " + std::to_string(board.LngScore);
    if (FindControl<QLabel>(window, "lblLevel")->text() != QStringLiteral("Level: %1").arg(board.LngLevel))
        return "lblLevel shows \"" + Text(FindControl<QLabel>(window, "lblLevel")) + "\" with LngLevel " + std::to_string(board.LngLevel);

    // The clock label follows every tick, a new game and time won by a
    // removal; the fill button's penalty waits for the next tick.
    const bool timeRewritten = facts.ticked || facts.newGame || board.LngTimeLeft > before.LngTimeLeft;
    std::string fault = CheckLabel("lblTime", FindControl<QLabel>(window, "lblTime"), timeRewritten,
                                   CTime(board.LngTimeLeft), before.lblTime);
    if (!fault.empty())
        return fault;

    // Bricks still to remove: the level's target less the bricks removed,
    // rewritten by a new game and by every removal while it fits 16 bits.
    const double area = double(board.GameWidth) * double(board.GameHeight);
    const double left = std::nearbyint(area / 4 * board.LngLevel + board.LngLevelBase - board.LngBricksRemoved);
    const bool fits = left >= std::numeric_limits<int16_t>::min() && left <= std::numeric_limits<int16_t>::max();
    const bool removed = board.LngBricksRemoved != before.LngBricksRemoved;
    fault = CheckLabel("lblNextLvl", FindControl<QLabel>(window, "lblNextLvl"), (facts.newGame || removed) && fits,
                       QStringLiteral("Bricks For Level\n%1").arg(fits ? static_cast<int>(left) : 0), before.lblNextLvl);
    if (!fault.empty())
        return fault;

    return CheckLabel("lblSelected", FindControl<QLabel>(window, "lblSelected"), facts.clickedBrick,
                      QStringLiteral("Bricks Selected\n%1").arg(board.LngSelected), before.lblSelected);
}

std::string SettingsWatch::Check(const GameFlow& game)
{
    std::ifstream in(m_file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (m_seen && bytes == m_last)
        return {};
    m_seen = true;
    m_last = bytes;
    ++m_writes;

    const SettingsRead read = ReadSettingsText(bytes);
    const std::string theme = game.GameTheme().find_first_of("\r\n") == std::string::npos ? game.GameTheme() : "";
    std::string fault = Differ("the theme path", read.GameTheme, theme);
    if (fault.empty()) fault = Differ("GameWidth", read.GameWidth, game.board.GameWidth);
    if (fault.empty()) fault = Differ("GameHeight", read.GameHeight, game.board.GameHeight);
    if (fault.empty()) fault = Differ("GameTime", read.GameTime, game.GameTime());
    if (fault.empty() && read.mute != game.snapshot().muted)
        fault = "\"Settings.log\" reads back the sound line as " + std::string(read.mute ? "mute" : "sound") +
                " while the game is " + (game.snapshot().muted ? "muted" : "not muted");
    for (int i = 0; i < kHighScoreSlots && fault.empty(); ++i) {
        const std::string slot = " of slot " + std::to_string(i);
        fault = Differ("the name" + slot, read.StrHighNames[i], OnOneLine(game.highScores().StrHighNames[i]));
        if (fault.empty())
            fault = Differ("the score" + slot, read.LngHighScores[i], game.highScores().LngHighScores[i]);
    }
    return fault;
}
