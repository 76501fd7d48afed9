#pragma once

// Where a game is. Ready: start-up or a new game, the clock stopped, the
// board playable; Running: the clock ticks; Paused: the clock stopped and the
// board hidden; Over: the clock stopped for good and the board frame
// disabled, until the next new game.
enum class RunState { Ready, Running, Paused, Over };

// The run state with what a pause interrupted, and the controls that follow
// from it. A pause from Ready or Running resumes into Running (resuming
// starts the clock without a click); a pause of a game that is over resumes
// into Over, whose clock never runs again.
class GameRun {
public:
    RunState state() const { return m_state; }

    bool clockRuns() const { return m_state == RunState::Running; }
    bool boardShown() const { return m_state != RunState::Paused; }
    bool over() const { return m_state == RunState::Over || (m_state == RunState::Paused && m_resumeTo == RunState::Over); }

    // The first click on the board starts the clock.
    void Start()
    {
        if (m_state == RunState::Ready) m_state = RunState::Running;
    }
    void TogglePause()
    {
        if (m_state == RunState::Paused) {
            m_state = m_resumeTo;
        } else {
            m_resumeTo = m_state == RunState::Over ? RunState::Over : RunState::Running;
            m_state = RunState::Paused;
        }
    }
    // The clock has run out.
    void End()
    {
        if (m_state == RunState::Running) m_state = RunState::Over;
    }
    // A confirmed new game stops the clock at once; a pause stays a pause.
    void StopClock()
    {
        if (m_state == RunState::Running) m_state = RunState::Ready;
    }
    // The new board is built: a game that was over is over no longer, and a
    // pause taken during it resumes into a running clock.
    void Rebuilt()
    {
        if (m_state == RunState::Over) m_state = RunState::Ready;
        if (m_state == RunState::Paused) m_resumeTo = RunState::Running;
    }

private:
    RunState m_state = RunState::Ready;
    RunState m_resumeTo = RunState::Running;
};
