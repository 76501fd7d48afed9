#include "GameFlowFixture.h"

#include <vector>

namespace {

class ScriptedCalendar final : public Calendar {
public:
    uint32_t Today() override { return today; }
    uint32_t today = 20261207;
};

class KeptGames final : public GameRecorder {
public:
    void Record(const FinishedGame& game) override { games.push_back(game); }
    std::vector<FinishedGame> games;
};

enum class Start { CommandLine, MenuBeforePlay, MenuMidGameYes, MenuMidGameNo };
enum class Next { Dialog, BoardNumber, NewGame };

struct DailyCase {
    const char* name;
    Start start;
    Next next;
    size_t questions;  // "Are you sure ...?" asked
    bool daily;        // the daily board came
};
void PrintTo(const DailyCase& c, std::ostream* out) { *out << c.name; }

class DailyBoard : public GameFlowTest, public ::testing::WithParamInterface<DailyCase> {
protected:
    ScriptedCalendar calendar;
    KeptGames recorder;
    // 8 x 6 for 90 seconds, the player's own.
    const std::string playersFile = FileOf({"", "7", "5", "90", "sound", "", "0", "", "0", "", "0", "", "0", "",
                                            "0", "", "0", "", "0", "", "0", "", "0", "", "0"});

    // The size and length lines of the settings file as last written.
    Strings SavedSizeAndTime() const
    {
        Strings lines;
        std::string text = settings.file.value_or("");
        for (size_t at = 0, line = 0; line < 4 && at < text.size(); ++line) {
            const size_t end = text.find("\r\n", at);
            if (line > 0) lines.push_back(text.substr(at, end - at));
            at = end + 2;
        }
        return lines;
    }
};

// Today's board is 17 x 12 for two minutes on the number YYYYMMDD, however it is started; the player's own size and
// length stay in the settings throughout and come back with the next ordinary game; only the daily game is
// recorded as daily.
TEST_P(DailyBoard, PlaysTodaysBoardAndKeepsThePlayersSize)
{
    const DailyCase& c = GetParam();
    flow.setCalendar(&calendar);
    flow.setRecorder(&recorder);
    if (c.start == Start::CommandLine) flow.setFirstGameDaily();
    Start(playersFile);
    const std::string before = BoardColours(flow.board);
    if (c.start == Start::MenuMidGameYes || c.start == Start::MenuMidGameNo) {
        Click(0, 0);
        messages.answers = {c.start == Start::MenuMidGameYes ? MessageAnswer::Yes : MessageAnswer::No};
    }
    if (c.start != Start::CommandLine) flow.MnuDailyBoard_Click();
    ASSERT_EQ(messages.shown.size(), c.questions);
    if (c.questions) {
        EXPECT_EQ(messages.shown[0].text, "Are you sure you want to start a new game?");
    }

    EXPECT_EQ(flow.dailyGame(), c.daily);
    EXPECT_EQ(flow.board.GameWidth + 1, c.daily ? 17 : 8);
    EXPECT_EQ(flow.board.GameHeight + 1, c.daily ? 12 : 6);
    EXPECT_EQ(flow.GameTime(), c.daily ? 120 : 90);
    if (c.daily) {
        EXPECT_EQ(flow.boardNumber(), 20261207u);
        EXPECT_EQ(flow.board.LngTimeLeft, 120);
        EXPECT_EQ(flow.snapshot().run, RunState::Ready);
    } else {
        EXPECT_EQ(BoardColours(flow.board), before);
        EXPECT_EQ(flow.snapshot().run, RunState::Running);
    }
    EXPECT_EQ(flow.newGameValues(), (NewGameValues{7, 5, 90})) << "the dialog offers the player's own";
    flow.Form_Unload();
    EXPECT_EQ(SavedSizeAndTime(), (Strings{"7", "5", "90"}));

    FinishWith(700);
    ASSERT_FALSE(recorder.games.empty());
    EXPECT_EQ(recorder.games.back().daily, c.daily);
    EXPECT_EQ(recorder.games.back().width, c.daily ? 17 : 8);
    EXPECT_EQ(recorder.games.back().boardNumber, c.daily ? 20261207u : flow.boardNumber());

    switch (c.next) {
    case Next::Dialog: flow.cmdStart_Click(NewGameDialogTexts(flow.newGameValues())); break;
    case Next::BoardNumber: flow.PlayBoardNumber(20261207); break;
    case Next::NewGame: flow.NewGame(); break;
    }
    EXPECT_FALSE(flow.dailyGame());
    EXPECT_EQ(flow.board.GameWidth + 1, 8);
    EXPECT_EQ(flow.board.GameHeight + 1, 6);
    EXPECT_EQ(flow.board.LngTimeLeft, 90);
    FinishWith(300);
    EXPECT_FALSE(recorder.games.back().daily);
    EXPECT_EQ(recorder.games.back().height, 6);
    flow.Form_Unload();
    EXPECT_EQ(SavedSizeAndTime(), (Strings{"7", "5", "90"}));
}

INSTANTIATE_TEST_SUITE_P(
    Starts, DailyBoard,
    ::testing::Values(DailyCase{"CommandLine", Start::CommandLine, Next::Dialog, 0, true},
                      DailyCase{"MenuBeforeTheFirstClick", Start::MenuBeforePlay, Next::BoardNumber, 0, true},
                      DailyCase{"MenuMidGameConfirmed", Start::MenuMidGameYes, Next::NewGame, 1, true},
                      DailyCase{"MenuMidGameDeclined", Start::MenuMidGameNo, Next::Dialog, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
