#pragma once

#include "FinishedGame.h"
#include "HistoryStatistics.h"

#include <QSqlDatabase>
#include <QString>

#include <memory>

class QSqlQuery;

// The folder the history lives in: $XDG_DATA_HOME/Tolmora, by default
// ~/.local/share/Tolmora.
QString DefaultHistoryFolder();

// The history of finished games, one row each in "history.sqlite" in the
// folder given. Several instances, in one process or in several copies of
// the game, may share the file. The history never stops the game: a folder
// that cannot be written leaves it unavailable (recording does nothing), and
// a file that is not a database is kept aside under another name and a new
// one started; Status() tells the player either way.
// An instance belongs to the thread that made it, as its connection does.
class GameHistory final : public GameRecorder, public HistoryReader {
public:
    static constexpr const char* kFileName = "history.sqlite";

    explicit GameHistory(const QString& folder);
    ~GameHistory() override;
    GameHistory(const GameHistory&) = delete;
    GameHistory& operator=(const GameHistory&) = delete;

    void Record(const FinishedGame& game) override;
    HistoryStatistics Statistics(int recentLimit) const override;
    QString Status() const override { return m_status; }

    bool IsAvailable() const { return m_insert != nullptr; }
    QString FilePath() const { return m_path; }

private:
    enum class Opened { Usable, Damaged, Unavailable };
    Opened Open();
    void Close();
    bool SetAside();
    void Unavailable(const QString& reason);

    QString m_connection;
    QString m_path;
    QString m_status;
    QSqlDatabase m_db;
    std::unique_ptr<QSqlQuery> m_insert;
};
