#include "GameRecording.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Kind = GameRecording::Kind;
using Press = GameRecording::Press;

// A two-minute game as a quick player plays it: a press every 200 to 700 ms,
// now and then a fill, a dropped selection or a pause, on a 16 x 11 board.
GameRecording TwoMinuteGame(int presses)
{
    GameRecording game{123456789u, 16, 11, 120, {}, {4321, 3, 250, 0x0123456789abcdefull}};
    std::mt19937 rng(7);
    uint32_t time = 0;
    for (int i = 0; i < presses; ++i) {
        time += std::uniform_int_distribution<uint32_t>(200, 700)(rng);
        const int roll = std::uniform_int_distribution<int>(0, 99)(rng);
        GameRecording::Move move{time, time / 1000, Kind::Press, i % 2 ? Press::Removed : Press::Selected,
                                 std::uniform_int_distribution<int32_t>(0, 15)(rng),
                                 std::uniform_int_distribution<int32_t>(0, 10)(rng)};
        if (roll < 2) move = {time, time / 1000, roll ? Kind::Fill : Kind::Drop, Press::Nothing, 0, 0};
        game.moves.push_back(move);
    }
    return game;
}

}  // namespace

class RecordingRoundTrip : public ::testing::TestWithParam<GameRecording> {};

TEST_P(RecordingRoundTrip, DecodesToWhatWasEncoded)
{
    const std::optional<GameRecording> back = DecodeRecording(EncodeRecording(GetParam()));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Recordings, RecordingRoundTrip,
    ::testing::Values(
        // A game with no move at all, its clock run out untouched.
        GameRecording{0, 1, 1, 1, {}, {0, 1, 0, 0}},
        // Every kind; a tick step of 6 fits the head byte, 7 and more do not.
        GameRecording{4294967295u, 1001, 1001, 2147483647,
                      {{0, 0, Kind::Pause}, {0, 0, Kind::Resume}, {5, 6, Kind::Press, Press::Selected, 1000, 1000},
                       {6, 13, Kind::Press, Press::Removed, 1000, 999}, {4000000000u, 4000000000u, Kind::Fill},
                       {4000000000u, 4000000007u, Kind::Drop}, {4294967295u, 4294967295u, Kind::Press}},
                      {2147483647, 2147483647, 2147483647, ~0ull}},
        // Negative lengths and scores are what a 32-bit counter may hold.
        GameRecording{7, 16, 11, -2147483647 - 1, {{0, 0, Kind::Press, Press::Nothing, 0, 0}}, {-1, -5, -2147483647 - 1, 1}},
        TwoMinuteGame(400)));

// Few hundred bytes for a game of a few hundred presses: the history keeps thousands.
TEST(RecordingSize, TwoMinuteGameFitsInAboutFiveBytesAPress)
{
    for (const int presses : {100, 300, 400}) {
        const size_t bytes = EncodeRecording(TwoMinuteGame(presses)).size();
        EXPECT_LE(bytes, 40u + 5u * presses) << presses;
        RecordProperty("bytes_" + std::to_string(presses), std::to_string(bytes));
    }
    EXPECT_LE(EncodeRecording(TwoMinuteGame(400)).size(), 2048u);
}

// A recording cut short or with any byte changed is refused, never replayed as another game.
TEST(RecordingDamage, EveryCutAndEveryFlippedByteIsRefused)
{
    const std::string good = EncodeRecording(TwoMinuteGame(60));
    for (size_t length = 0; length < good.size(); ++length)
        EXPECT_FALSE(DecodeRecording(std::string_view(good).substr(0, length))) << "cut at " << length;
    for (size_t at = 0; at < good.size(); ++at)
        for (const uint8_t flip : {0x01, 0x10, 0x80, 0xFF}) {
            std::string bad = good;
            bad[at] = static_cast<char>(bad[at] ^ flip);
            EXPECT_FALSE(DecodeRecording(bad)) << "byte " << at << " ^ " << int(flip);
        }
    EXPECT_FALSE(DecodeRecording(good + '\0'));
    EXPECT_TRUE(DecodeRecording(good));
}

// Contents no game writes are refused even under a correct checksum.
TEST(RecordingDamage, ImpossibleContentsAreRefused)
{
    const GameRecording good = TwoMinuteGame(3);
    const std::vector<std::pair<const char*, void (*)(GameRecording&)>> faults = {
        {"no columns", [](GameRecording& g) { g.width = 0; }},
        {"no rows", [](GameRecording& g) { g.height = -3; }},
        {"wider than any board", [](GameRecording& g) { g.width = 1002; }},
        {"unknown kind", [](GameRecording& g) { g.moves[1].kind = static_cast<Kind>(5); }},
        {"unknown press", [](GameRecording& g) { g.moves[1].press = static_cast<Press>(3); }},
        {"a fill that removed", [](GameRecording& g) { g.moves[1] = {1, 0, Kind::Fill, Press::Removed, 0, 0}; }},
    };
    for (const auto& [name, fault] : faults) {
        GameRecording bad = good;
        fault(bad);
        EXPECT_FALSE(DecodeRecording(EncodeRecording(bad))) << name;
    }
}
