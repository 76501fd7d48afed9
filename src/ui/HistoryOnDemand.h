#pragma once

#include "GameHistory.h"

#include <QString>

#include <memory>

// The game history, opened the first time a game is recorded or the
// statistics are asked for: the database and its driver wait until then,
// so start-up neither pays for them nor holds them.
class HistoryOnDemand final : public GameRecorder, public HistoryReader {
public:
    explicit HistoryOnDemand(QString folder) : m_folder(std::move(folder)) {}

    void Record(const FinishedGame& game) override { history().Record(game); }
    HistoryStatistics Statistics(int recentLimit) const override { return history().Statistics(recentLimit); }
    QString Status() const override { return history().Status(); }

private:
    GameHistory& history() const
    {
        if (!m_history)
            m_history = std::make_unique<GameHistory>(m_folder);
        return *m_history;
    }

    QString m_folder;
    mutable std::unique_ptr<GameHistory> m_history;
};
