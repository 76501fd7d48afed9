#include "SoakReplays.h"

#include "GameReplay.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

// The index of the last removal after which only pauses and resumes come,
// or -1: moved off the board, such a press leaves at least two bricks that
// the recorded game removed, and nothing after it can remove them.
int64_t LastRemovalAtTheEnd(const GameRecording& recording)
{
    for (auto i = static_cast<int64_t>(recording.moves.size()) - 1; i >= 0; --i) {
        const GameRecording::Move& move = recording.moves[static_cast<size_t>(i)];
        if (move.kind == GameRecording::Kind::Pause || move.kind == GameRecording::Kind::Resume) continue;
        return move.kind == GameRecording::Kind::Press && move.press == GameRecording::Press::Removed ? i : -1;
    }
    return -1;
}

bool Has(const GameRecording& recording, GameRecording::Kind kind)
{
    return std::any_of(recording.moves.begin(), recording.moves.end(),
                       [kind](const GameRecording::Move& move) { return move.kind == kind; });
}

}  // namespace

std::string CheckReplays(const std::vector<std::string>& encoded, ReplayFigures& figures)
{
    std::set<std::pair<int32_t, int32_t>> sizes;
    for (size_t i = 0; i < encoded.size(); ++i) {
        const std::string which = "recorded game " + std::to_string(i + 1);
        std::optional<GameRecording> recording = DecodeRecording(encoded[i]);
        if (!recording) return which + " does not decode";
        ++figures.games;
        sizes.insert({recording->width, recording->height});
        figures.withFills += Has(*recording, GameRecording::Kind::Fill);
        figures.withPauses += Has(*recording, GameRecording::Kind::Pause);
        figures.withLevelUps += recording->outcome.level > 1;

        GameReplay replay(*recording);
        replay.finish();
        if (!replay.matchesRecording()) {
            const GameRecording::Outcome got = replay.outcome();
            return which + " (" + std::to_string(recording->width) + "x" + std::to_string(recording->height) +
                   ", board " + std::to_string(recording->boardNumber) + ") replays to score " +
                   std::to_string(got.score) + ", level " + std::to_string(got.level) + ", " +
                   std::to_string(got.bricksRemoved) + " bricks; recorded " +
                   std::to_string(recording->outcome.score) + ", " + std::to_string(recording->outcome.level) +
                   ", " + std::to_string(recording->outcome.bricksRemoved) +
                   (got.boardDigest != recording->outcome.boardDigest ? " (and another board)" : "");
        }

        const int64_t removal = LastRemovalAtTheEnd(*recording);
        if (removal < 0) continue;
        GameRecording altered = *recording;
        altered.moves[static_cast<size_t>(removal)].x = altered.width + 3;
        GameReplay alteredReplay(std::move(altered));
        alteredReplay.finish();
        ++figures.altered;
        if (alteredReplay.matchesRecording())
            return which + " with its last removal moved off the board still replays as recorded";
        ++figures.alteredCaught;
    }
    figures.sizes = static_cast<int64_t>(sizes.size());
    return {};
}
