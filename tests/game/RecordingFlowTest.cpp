#include "GameFlowFixture.h"
#include "ScriptedGameClock.h"

namespace {

using Kind = GameRecording::Kind;
using Press = GameRecording::Press;
using Move = GameRecording::Move;

class RecordingFlow : public GameFlowTest {
public:
    RecordingFlow() { flow.setClock(&clock); }
    const std::vector<Move>& moves() const { return flow.recording().moves; }
    ScriptedGameClock clock;
};

}  // namespace

// Each move the board takes is kept with its time since the clock started
// and the ticks before it; what the board ignores is not.
TEST_F(RecordingFlow, KeepsTheMovesTheBoardTakes)
{
    Start();
    const GameRecording& recording = flow.recording();
    EXPECT_EQ(recording.boardNumber, flow.boardNumber());
    EXPECT_EQ(recording.width, flow.board.GameWidth + 1);
    EXPECT_EQ(recording.height, flow.board.GameHeight + 1);
    EXPECT_EQ(recording.gameTime, flow.GameTime());
    EXPECT_TRUE(moves().empty());

    clock.now += 5000;  // idle before the first click: not counted
    Click(1, 1);
    const Press again = flow.board.LngSelected > 1 ? Press::Removed : Press::Selected;
    clock.now += 250;
    Click(1, 1);
    clock.now += 800;
    Tick();
    flow.MnuFilePause_Click();
    clock.now += 3000;
    Click(2, 2);      // hidden board
    Tick();           // stopped clock
    flow.cmdFillSpace_Click();  // a fill while paused still costs time and refills
    flow.PicMain_Click();
    clock.now += 100;
    flow.DropSelection();
    Click(-1, 0);  // off the board: asks for no redraw
    flow.PicMap_MouseUp(std::nullopt);  // the frame around it: no cell, no move

    const std::vector<Move> expected = {
        {0, 0, Kind::Press, Press::Selected, 1, 1}, {250, 0, Kind::Press, again, 1, 1}, {1050, 1, Kind::Pause},
        {4050, 1, Kind::Fill},   {4050, 1, Kind::Resume}, {4150, 1, Kind::Drop}, {4150, 1, Kind::Press, Press::Nothing, -1, 0}};
    EXPECT_EQ(moves(), expected);

    // Once the clock has run out, neither presses nor pauses are moves.
    flow.board.LngTimeLeft = 1;
    Tick();
    ASSERT_TRUE(flow.gameOver());
    Click(3, 3);
    flow.MnuFilePause_Click();
    flow.MnuFilePause_Click();
    EXPECT_EQ(moves(), expected);

    // A new game records afresh on its own board.
    NewGameOf(45);
    EXPECT_TRUE(moves().empty());
    EXPECT_EQ(recording.gameTime, 45);
    EXPECT_EQ(recording.boardNumber, flow.boardNumber());
}

// A pause before the first click starts the clock on resuming: the times count from there.
TEST_F(RecordingFlow, ResumingBeforeAnyClickStartsTheTimes)
{
    Start();
    flow.MnuFilePause_Click();
    clock.now += 700;
    flow.MnuFilePause_Click();
    clock.now += 300;
    Click(0, 0);
    ASSERT_EQ(moves().size(), 3u);
    EXPECT_EQ(moves()[1].timeMs, 0u);
    EXPECT_EQ(moves()[2].timeMs, 300u);
}

// The click path never grows the vector: a long game of quick clicks keeps its first buffer.
TEST_F(RecordingFlow, ManyPressesReuseTheReservedBuffer)
{
    Start();
    Click(0, 0);
    const Move* buffer = moves().data();
    for (int i = 0; i < 3000; ++i) Click(i % 5, i % 7);
    EXPECT_EQ(moves().size(), 3001u);
    EXPECT_EQ(moves().data(), buffer);
}
