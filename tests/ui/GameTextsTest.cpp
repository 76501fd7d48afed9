#include "GameTexts.h"

#include <gtest/gtest.h>

namespace {
const QString kGrouping = QStringLiteral(
    "When this text turns green you have aquired the minimum Grouping score for your level. Each level has a "
    "minimum number of bricks that must be grouped together. The grouping number for your level is\n");
}  // namespace

// Every caption of the side panel from the values behind it: each label in its exact words and colour, and an
// unshown value leaves its label as designed.
TEST(GameTexts, PanelCaptionsTable)
{
    const ColorRef K = kColorBlack, R = kColorRed, G = kColorGreen;
    const std::optional<QString> designed;
    struct Row {
        const char* rule;
        PanelValues panel;
        PanelCaptions captions;
    };
    const Row table[] = {
        {"before the first game", PanelValues{},
         {{designed, K}, {designed, K}, {"Level: 1", K}, {designed, K}, {designed, K}, {designed, K}}},
        {"a game under way",
         {.timeLeft = 119, .level = 3, .score = 42, .bricksForLevel = 39, .selected = 5, .groupingNumber = 6,
          .groupingMet = true},
         {{kGrouping + "6", G}, {"42", K}, {"Level: 3", K}, {"00:01:59", K}, {"Bricks For Level\n39", K},
          {"Bricks Selected\n5", K}}},
        {"grouping missed, points refused, past the target",
         {.timeLeft = 0, .level = 1, .score = 0, .scoreCounts = false, .bricksForLevel = -2, .selected = 0,
          .groupingNumber = 2, .groupingMet = false},
         {{kGrouping + "2", R}, {"0", R}, {"Level: 1", K}, {"00:00:00", K}, {"Bricks For Level\n-2", K},
          {"Bricks Selected\n0", K}}},
    };
    for (const Row& r : table) {
        SCOPED_TRACE(r.rule);
        const PanelCaptions c = CaptionsOf(r.panel);
        const std::pair<const PanelCaption*, const PanelCaption*> labels[] = {
            {&c.lblMinmumBlock, &r.captions.lblMinmumBlock}, {&c.lblScore, &r.captions.lblScore},
            {&c.lblLevel, &r.captions.lblLevel},             {&c.lblTime, &r.captions.lblTime},
            {&c.lblNextLvl, &r.captions.lblNextLvl},         {&c.lblSelected, &r.captions.lblSelected}};
        for (const auto& [shown, wanted] : labels) {
            EXPECT_EQ(shown->text.value_or("(designed)").toStdString(), wanted->text.value_or("(designed)").toStdString());
            EXPECT_EQ(shown->color, wanted->color);
        }
    }
}

// The clock: two digits per field, the last two characters only; a length of time: as many hours as it takes.
TEST(GameTexts, CTimeTable)
{
    for (auto [seconds, text] : {std::pair{0, "00:00:00"}, {59, "00:00:59"}, {60, "00:01:00"}, {120, "00:02:00"},
                                 {3599, "00:59:59"}, {3600, "01:00:00"}, {3660, "01:01:00"}, {7325, "02:02:05"},
                                 {360000, "00:00:00"}, {-1, "00:00:-1"}})
        EXPECT_EQ(CTime(seconds).toStdString(), text) << seconds;
    // Lengths of time in the Statistics window keep every hour.
    for (auto [seconds, text] : {std::pair{0, "0:00"}, {59, "0:59"}, {60, "1:00"}, {3599, "59:59"}, {3600, "1:00:00"},
                                 {360000, "100:00:00"}})
        EXPECT_EQ(DurationText(seconds).toStdString(), text) << seconds;
}

// The pause item says what choosing it would do; the high-score list leaves a blank line above each entry.
TEST(GameTexts, MenuAndHighScoreWords)
{
    for (auto [run, caption] : {std::pair{RunState::Ready, "Pause"}, {RunState::Running, "Pause"},
                                {RunState::Paused, "Resume"}, {RunState::Over, "Pause"}})
        EXPECT_EQ(PauseCaption(run).toStdString(), caption);
    const auto [names, scores] = HighScoreColumns({{"Ann", 90}, {"Bob", 70}});
    EXPECT_EQ((names + "|" + scores).toStdString(), "\n\nAnn\n\nBob|\n\n90\n\n70");
    EXPECT_TRUE(HighScoreColumns({}).first.isEmpty());
}
