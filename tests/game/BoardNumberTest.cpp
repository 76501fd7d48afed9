#include "BoardNumber.h"
#include "GameFlowFixture.h"

#include <vector>

namespace {

struct NumberCase {
    const char* text;
    std::optional<uint32_t> number;
};

// A board number is decimal digits for 0 to 4294967295, spaces around allowed; nothing else reads as one.
TEST(BoardNumberText, OnlyDigitsInRange)
{
    const NumberCase cases[] = {{"0", 0u},      {"4294967295", 4294967295u}, {" 42  ", 42u}, {"007", 7u},
                                {"4294967296", {}}, {"99999999999999999999", {}}, {"-1", {}}, {"+5", {}},
                                {"1e3", {}},    {"12a", {}},  {"4 2", {}}, {"", {}},   {"   ", {}}, {"0x10", {}}};
    for (const NumberCase& c : cases)
        EXPECT_EQ(ParseBoardNumber(c.text), c.number) << '"' << c.text << '"';
}

// Keeps each record with the number of prompts asked before it.
class RecordingRecorder final : public GameRecorder {
public:
    explicit RecordingRecorder(const ScriptedInputBox& input) : m_input(input) {}
    void Record(const FinishedGame& game) override
    {
        games.push_back(game);
        promptsBefore.push_back(m_input.asked.size());
    }
    std::vector<FinishedGame> games;
    std::vector<size_t> promptsBefore;

private:
    const ScriptedInputBox& m_input;
};

using BoardNumberFlow = GameFlowTest;

// The first game's board comes from the number given at start-up, and playing that number again from the menu
// gives the same board; the menu offers the current number and a new game on another number changes the board,
// and the next new game draws a number of its own.
TEST_F(BoardNumberFlow, TheMenuReplaysTheBoardTheCommandLineChose)
{
    flow.setFirstBoardNumber(31337);
    Start();
    EXPECT_EQ(flow.boardNumber(), 31337u);
    const std::string first = BoardColours(flow.board);

    input.answers = {" 31337 ", "31338"};
    flow.MnuPlayBoardNumber_Click();
    ASSERT_EQ(input.asked.size(), 1u);
    EXPECT_EQ(input.asked[0].defaultText, "31337");
    EXPECT_EQ(BoardColours(flow.board), first);
    flow.MnuPlayBoardNumber_Click();
    EXPECT_EQ(flow.boardNumber(), 31338u);
    EXPECT_NE(BoardColours(flow.board), first);
    EXPECT_TRUE(messages.shown.empty());
    flow.NewGame();  // a chosen number serves one game only
    EXPECT_NE(flow.boardNumber(), 31338u);
}

// Text that is not a board number is explained and changes nothing; a cancelled prompt changes nothing either.
TEST_F(BoardNumberFlow, WrongTextOrCancelChangesNothing)
{
    Start();
    const uint32_t number = flow.boardNumber();
    const std::string board = BoardColours(flow.board);
    input.answers = {"twelve", std::nullopt};
    flow.MnuPlayBoardNumber_Click();
    flow.MnuPlayBoardNumber_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, NotABoardNumberMessage("twelve").english());
    EXPECT_EQ(flow.boardNumber(), number);
    EXPECT_EQ(BoardColours(flow.board), board);
}

// A finished game is recorded at game over, before the name prompt, with the score it ended on (before the
// table's carry), the fills used in this game only, the board's number and size; then again with the name entered.
TEST_F(BoardNumberFlow, GameOverRecordsTheGame)
{
    RecordingRecorder recorder(input);
    flow.setRecorder(&recorder);
    Start();
    flow.board.LngTimeLeft = 100;
    flow.cmdFillSpace_Click();
    NewGameOf(90);
    flow.board.LngTimeLeft = 100;
    flow.cmdFillSpace_Click();
    flow.cmdFillSpace_Click();
    flow.board.LngLevel = 3;
    flow.board.LngBricksRemoved = 41;
    flow.board.LngBestGroup = 9;
    input.answers = {"Ann"};
    EXPECT_TRUE(recorder.games.empty());
    FinishWith(1234);
    Tick(3);
    ASSERT_EQ(recorder.games.size(), 2u);
    EXPECT_EQ(recorder.promptsBefore, (std::vector<size_t>{0, 1}));
    FinishedGame game = recorder.games[0];
    EXPECT_EQ(game.finishedAt.size(), 20u);
    EXPECT_EQ(recorder.games[1].finishedAt, game.finishedAt);
    game.finishedAt.clear();
    const std::optional<GameRecording> moves = DecodeRecording(game.moves);
    ASSERT_TRUE(moves);
    EXPECT_EQ(moves->boardNumber, flow.boardNumber());
    game.moves.clear();
    const FinishedGame expected{"", 17, 12, 90, flow.boardNumber(), 1234, 3, 41, 9, 2, "", "", false};
    EXPECT_EQ(game, expected);
    game.player = "Ann";
    recorder.games[1].finishedAt.clear();
    recorder.games[1].moves.clear();
    EXPECT_EQ(recorder.games[1], game);
}

struct NamedGame {
    const char* table;  // slot 0's name and score, the rest never filled
    std::vector<std::optional<std::string>> answers;
    std::vector<std::string> recordedPlayers;
};

// The game's player is the name of its own entry only: a second prompt names an older entry moved down, and a
// long name is kept as the table keeps it; no entry, no name.
TEST_F(BoardNumberFlow, TheRecordedPlayerIsThisGamesEntry)
{
    const NamedGame cases[] = {{"\n300\n", {"Ann", "Bob"}, {"", "Ann"}},
                               {"Old\n300\n", {"Abcdefghijklmnopqrstuvwxyz0123"}, {"", "Abcdefghijklmnopqrstuvwxy"}},
                               {"Top\n5000\n", {}, {""}},
                               {"\n300\n", {std::nullopt, "Bob"}, {""}}};
    for (const NamedGame& c : cases) {
        std::string file = "\n16\n11\n120\nsound\n" + std::string(c.table);
        for (int i = 1; i < 10; ++i) file += "\n0\n";
        RecordingRecorder recorder(input);
        flow.setRecorder(&recorder);
        Start(file);
        flow.NewGame();
        input.answers.assign(c.answers.begin(), c.answers.end());
        FinishWith(c.table[0] == 'T' ? 100 : 1234);
        std::vector<std::string> players;
        for (const FinishedGame& game : recorder.games) players.push_back(game.player);
        EXPECT_EQ(players, c.recordedPlayers) << c.table;
        flow.setRecorder(nullptr);
    }
}

}  // namespace
