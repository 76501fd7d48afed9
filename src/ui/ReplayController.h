#pragma once

#include "GameReplay.h"
#include "GameSnapshot.h"
#include "LargestGroup.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class QTimer;

// A recorded game played back on a board of its own, for the main window to
// show in place of the game: the player's game is never touched, so the
// replay writes neither the history nor the high-score table. It plays at
// 1x, 2x or 4x the recorded pace, or a move at a time.
class ReplayController : public QObject {
    Q_OBJECT
public:
    explicit ReplayController(QObject* parent = nullptr);
    ~ReplayController() override;

    // Starts the replay at 1x; the window shows board() from then on.
    void start(GameRecording recording);
    void leave();
    bool active() const { return m_replay != nullptr; }
    const GameBoard& board() const { return m_replay->board(); }
    // The moves applied and in all.
    size_t applied() const { return m_replay->applied(); }
    size_t moves() const { return m_replay->recording().moves.size(); }
    bool over() const { return m_replay->over(); }

    // 1, 2 or 4 while playing; 0 while it waits for a step.
    int speed() const { return m_speed; }
    void setSpeed(int speed);
    // One move, after which the replay waits for the next step.
    void step();
    // How long the replay waits before its next move at this speed, in ms.
    int pendingDelayMs() const;

    // The keys: 1, 2 and 4 for the speed, Space or Right for a step, Escape
    // to leave. False for any other key; B is the menu's Show Best Group.
    bool key(int key);

    // The largest group on the board before the next move, and whether it is shown.
    bool bestGroupShown() const { return m_bestShown; }
    void setBestGroupShown(bool shown);
    const GroupFound& bestGroup() const { return m_best; }
    // Points of the group the last removal took, and the largest group's
    // points before it.
    std::optional<int64_t> lastTaken() const { return m_lastTaken; }
    std::optional<int64_t> lastBest() const { return m_lastBest; }
    // Summed over every removal so far: the largest groups' points against the player's.
    int64_t bestTotal() const { return m_bestTotal; }
    int64_t takenTotal() const { return m_takenTotal; }

    // The side panel for the replayed board.
    PanelValues panel() const;
    // Where the replay stands, in the player's words: the speed and the
    // move, the best group when shown, and the look back at the end.
    QString describe() const;

signals:
    // The board or the replay's state changed; the window draws it again.
    void changed();
    // The player left the replay.
    void left();

private:
    void advance();
    void schedule();
    void findBest();

    std::unique_ptr<GameReplay> m_replay;
    QTimer* m_timer;
    int m_speed = 1;
    uint32_t m_shownMs = 0;  // the recorded time of the last move applied
    bool m_bestShown = false;
    GroupFound m_best;
    std::optional<int64_t> m_lastTaken;
    std::optional<int64_t> m_lastBest;
    int64_t m_bestTotal = 0;
    int64_t m_takenTotal = 0;
};
