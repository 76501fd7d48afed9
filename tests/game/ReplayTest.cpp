#include "GameFlowFixture.h"
#include "GameReplay.h"
#include "ScriptedGameClock.h"

#include <random>

namespace {

using Kind = GameRecording::Kind;
using Move = GameRecording::Move;

struct Shape {
    int width;
    int height;
    int seconds;
    uint64_t seed;
};

void PrintTo(const Shape& p, std::ostream* os) { *os << p.width << "x" << p.height << " " << p.seconds << "s #" << p.seed; }

class KeptGames final : public GameRecorder {
public:
    void Record(const FinishedGame& game) override { games.push_back(game); }
    std::vector<FinishedGame> games;
};

// Plays one game in the flow with a random player, from the new-game dialog
// to the clock running out, and keeps the board's digest after each move.
class ReplayedGame : public GameFlowTest, public ::testing::WithParamInterface<Shape> {
public:
    ReplayedGame()
    {
        flow.setClock(&clock);
        flow.setRecorder(&kept);
    }

    void Play()
    {
        const Shape& p = GetParam();
        Start();
        flow.cmdStart_Click(NewGameTexts{std::to_string(p.width), std::to_string(p.height), std::to_string(p.seconds)});
        std::mt19937_64 rng(p.seed);
        const auto roll = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        while (!flow.gameOver()) {
            clock.now += 50 + roll(600);
            const int action = roll(100);
            if (action < 55) {
                Click(roll(p.width + 1), roll(p.height + 1));  // now and then one off the board
            } else if (action < 75) {
                const std::vector<Move>& moves = flow.recording().moves;
                if (!moves.empty() && moves.back().kind == Kind::Press) Click(moves.back().x, moves.back().y);
            } else if (action < 77) {
                flow.cmdFillSpace_Click();
            } else if (action < 79) {
                flow.MnuFilePause_Click();
                Tick();  // a stopped clock
                flow.PicMain_Click();
            } else if (action < 81) {
                flow.DropSelection();
            } else {
                Tick();
            }
            while (digests.size() < flow.recording().moves.size()) digests.push_back(BoardDigest(flow.board));
        }
    }

    ScriptedGameClock clock;
    KeptGames kept;
    std::vector<uint64_t> digests;
};

int Count(const GameRecording& recording, Kind kind, GameRecording::Press press = GameRecording::Press::Nothing)
{
    int n = 0;
    for (const GameRecording::Move& move : recording.moves) n += move.kind == kind && move.press == press;
    return n;
}

}  // namespace

// The replay comes to the recorded score, level, bricks and board, and
// passes through the same board after every move.
TEST_P(ReplayedGame, ComesOutAsPlayed)
{
    Play();
    ASSERT_EQ(kept.games.size(), 1u);
    const FinishedGame& finished = kept.games[0];
    const std::optional<GameRecording> recording = DecodeRecording(finished.moves);
    ASSERT_TRUE(recording);
    EXPECT_EQ(recording->outcome,
              (GameRecording::Outcome{finished.score, finished.level, finished.bricksRemoved, BoardDigest(flow.board)}));
    EXPECT_GT(Count(*recording, Kind::Press, GameRecording::Press::Removed), 0);
    EXPECT_EQ(Count(*recording, Kind::Fill), finished.fillsUsed);

    GameReplay replay(*recording);
    for (size_t i = 0; i < recording->moves.size(); ++i) {
        ASSERT_EQ(replay.nextTimeMs(), recording->moves[i].timeMs);
        ASSERT_TRUE(replay.next()) << "move " << i;
        ASSERT_EQ(BoardDigest(replay.board()), digests[i]) << "move " << i;
    }
    EXPECT_FALSE(replay.nextTimeMs());
    EXPECT_FALSE(replay.over());
    replay.finish();
    EXPECT_TRUE(replay.over());
    EXPECT_TRUE(replay.matchesRecording());
    EXPECT_EQ(replay.board().LngTimeLeft, flow.board.LngTimeLeft);
}

// A removal pressed off the board leaves a different board at once; a
// later move may come to the same game again (the next press on the group
// removes it), so the outcome is checked where it cannot: the last removal
// and the moves after it played once the clock has run out.
TEST_P(ReplayedGame, ChangedMoveComesOutDifferent)
{
    Play();
    ASSERT_EQ(kept.games.size(), 1u);
    const GameRecording recording = *DecodeRecording(kept.games[0].moves);
    size_t last = 0;
    int removals = 0;
    for (size_t i = 0; i < recording.moves.size(); ++i) {
        if (recording.moves[i].press != GameRecording::Press::Removed) continue;
        last = i;
        ++removals;
        GameRecording changed = recording;
        changed.moves[i].x = -1;
        GameReplay replay(changed);
        for (size_t j = 0; j <= i; ++j) ASSERT_TRUE(replay.next());
        EXPECT_NE(BoardDigest(replay.board()), digests[i]) << "move " << i;
    }
    ASSERT_GT(removals, 0);

    GameRecording late = recording;
    for (size_t j = last; j < late.moves.size(); ++j) late.moves[j].ticks = 1u << 30;
    GameReplay replay(late);
    replay.finish();
    EXPECT_LT(replay.outcome().bricksRemoved, recording.outcome.bricksRemoved);
    EXPECT_FALSE(replay.matchesRecording());
    GameReplay same(recording);
    same.finish();
    EXPECT_TRUE(same.matchesRecording());
}

INSTANTIATE_TEST_SUITE_P(Games, ReplayedGame,
                         ::testing::Values(Shape{17, 12, 120, 1}, Shape{5, 4, 300, 2}, Shape{3, 3, 200, 3},
                                           Shape{40, 30, 90, 4}, Shape{2, 9, 150, 5}, Shape{1, 6, 60, 6}));

struct ClockCase {
    int32_t gameTime;
    std::vector<Move> moves;
    int32_t timeLeftAfterMoves;
    int32_t timeLeftAtEnd;
};

// Fills take 30 s only with more than 30 left; the clock then runs out, in
// one step however long the game, and a game at 0 or below ends at its next tick.
TEST(ReplayClock, RunsOutWhereTheGameDid)
{
    const ClockCase cases[] = {
        {2000000000, {{0, 1999999960, Kind::Fill}}, 10, 0},
        {2000000000, {{0, 1999999970, Kind::Fill}}, 30, 0},
        {31, {{0, 0, Kind::Fill}, {0, 0, Kind::Fill}}, 1, 0},
        {0, {}, 0, -1},
    };
    for (const ClockCase& c : cases) {
        GameReplay replay(GameRecording{99, 4, 4, c.gameTime, c.moves, {}});
        while (replay.next()) {
        }
        EXPECT_EQ(replay.board().LngTimeLeft, c.timeLeftAfterMoves) << c.gameTime;
        replay.finish();
        EXPECT_TRUE(replay.over());
        EXPECT_EQ(replay.board().LngTimeLeft, c.timeLeftAtEnd) << c.gameTime;
    }
}
