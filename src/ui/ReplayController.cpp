#include "ReplayController.h"

#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <utility>

namespace {
// A long pause in the recorded game would leave the watcher staring at a
// still board; no wait between two moves is longer than this at 1x.
constexpr int kLongestWaitMs = 1500;
}  // namespace

ReplayController::ReplayController(QObject* parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("replayTimer"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        advance();
        schedule();
    });
}

ReplayController::~ReplayController() = default;

void ReplayController::start(GameRecording recording)
{
    m_replay = std::make_unique<GameReplay>(std::move(recording));
    m_speed = 1;
    m_shownMs = 0;
    m_lastTaken.reset();
    m_lastBest.reset();
    m_bestTotal = 0;
    m_takenTotal = 0;
    findBest();
    schedule();
    emit changed();
}

void ReplayController::leave()
{
    if (!m_replay) return;
    m_timer->stop();
    m_replay.reset();
    emit left();
}

void ReplayController::setSpeed(int speed)
{
    m_speed = speed;
    schedule();
    emit changed();
}

void ReplayController::step()
{
    m_speed = 0;
    m_timer->stop();
    advance();
}

int ReplayController::pendingDelayMs() const
{
    const std::optional<uint32_t> next = m_replay ? m_replay->nextTimeMs() : std::nullopt;
    if (!next || m_speed == 0) return 0;
    const int64_t wait = std::clamp<int64_t>(int64_t{*next} - m_shownMs, 0, kLongestWaitMs);
    return static_cast<int>(wait / m_speed);
}

bool ReplayController::key(int key)
{
    switch (key) {
    case Qt::Key_1: setSpeed(1); return true;
    case Qt::Key_2: setSpeed(2); return true;
    case Qt::Key_4: setSpeed(4); return true;
    case Qt::Key_Space:
    case Qt::Key_Right: step(); return true;
    case Qt::Key_Escape: leave(); return true;
    default: return false;
    }
}

void ReplayController::setBestGroupShown(bool shown)
{
    m_bestShown = shown;
    emit changed();
}

void ReplayController::advance()
{
    if (!m_replay || m_replay->over()) return;
    const GameRecording::Move* move = m_replay->nextMove();
    if (!move) {
        // The moves are done; the clock runs out as it did in the game.
        m_replay->finish();
        emit changed();
        return;
    }
    const uint32_t at = move->timeMs;
    const int32_t removedBefore = m_replay->board().LngBricksRemoved;
    const int64_t bestBefore = m_best.points;
    if (!m_replay->next()) m_replay->finish();
    m_shownMs = at;
    const int64_t removed = m_replay->board().LngBricksRemoved - removedBefore;
    if (removed > 0) {
        m_lastTaken = removed * (removed - 1);
        m_lastBest = bestBefore;
        m_takenTotal += *m_lastTaken;
        m_bestTotal += bestBefore;
    }
    findBest();
    emit changed();
}

void ReplayController::schedule()
{
    m_timer->stop();
    if (!m_replay || m_replay->over() || m_speed == 0) return;
    m_timer->start(pendingDelayMs());
}

void ReplayController::findBest()
{
    m_best = LargestGroup(m_replay->board());
}

PanelValues ReplayController::panel() const
{
    PanelValues panel;
    const GameBoard& shown = board();
    panel.timeLeft = std::max(shown.LngTimeLeft, 0);
    panel.level = shown.LngLevel;
    panel.score = shown.LngScore;
    const double wanted = std::max(shown.BricksForLevel(), 0.0);
    panel.bricksForLevel = static_cast<int32_t>(std::min<double>(wanted, std::numeric_limits<int16_t>::max()));
    panel.selected = shown.LngSelected;
    panel.groupingNumber = shown.GroupingNumber();
    return panel;
}

QString ReplayController::describe() const
{
    QStringList lines;
    const QString progress = tr("move %1 of %2").arg(applied()).arg(moves());
    lines << (speed() == 0 ? tr("Replay, step by step: %1").arg(progress)
                                     : tr("Replay at %1x: %2").arg(speed()).arg(progress));
    if (bestGroupShown()) {
        if (!over())
            lines << tr("Best group now: %1 points").arg(m_best.points);
        if (lastTaken())
            lines << tr("Last move took %1 points; the best group then gave %2")
                         .arg(*lastTaken())
                         .arg(*lastBest());
    }
    if (over())
        lines << tr("The largest group at every move would have given %1 points, the groups taken gave %2. "
                    "A simple look back, not a solver.")
                     .arg(bestTotal())
                     .arg(takenTotal());
    lines << tr("Keys: 1, 2, 4 speed; Space step; B best group; Esc leave");
    return lines.join(QLatin1Char('\n'));
}
