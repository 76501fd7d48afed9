#pragma once

#include "FinishedGame.h"
#include "GameRecording.h"
#include "HistoryStatistics.h"

#include <QSqlDatabase>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QSqlQuery;

// Whether two records are of the same game: the same moment, board, size,
// length and score. The player's name may differ, as it comes later.
bool SameGame(const FinishedGame& a, const FinishedGame& b);

// The history of finished games, one row each in "history.sqlite" in the
// folder given. Several instances, in one process or in several copies of
// the game, may share the file. Every call may wait on the file (a lock held
// by another copy, a slow disk), so the game calls it only from its history
// thread (BackgroundHistory).
//
// The file is opened at the first call that needs it, and again after any
// failure, so a lock released or a mode changed lets the next call through.
// Only a regular file, through a link or not, or a missing one is opened; a
// file or folder that cannot be written is left untouched. A file that is no
// database, or fails the quick check the first time it is opened, is kept
// aside under another name and a new one started.
// An instance belongs to the thread that made it, as its connection does.
class GameHistory final {
public:
    static constexpr const char* kFileName = "history.sqlite";
    static constexpr int kBusyMilliseconds = 2000;

    explicit GameHistory(const QString& folder, int busyMilliseconds = kBusyMilliseconds);
    ~GameHistory();
    GameHistory(const GameHistory&) = delete;
    GameHistory& operator=(const GameHistory&) = delete;

    // Writes the games in one transaction, all or none. A game the file
    // already holds (SameGame) is not added again; it only gains a name.
    bool Write(const std::vector<FinishedGame>& games);
    std::optional<HistoryStatistics> Statistics(int recentLimit);
    // The moves of game `id`, none when it has none (older than recordings)
    // or they do not decode; and the id of the last game that has some.
    std::optional<GameRecording> Recording(int64_t id);
    std::optional<int64_t> LastRecordingId();

    // Why the last call failed, empty after a success.
    QString Problem() const { return m_problem; }
    // Where a damaged file was kept, empty when none was.
    QString Notice() const { return m_notice; }
    QString FilePath() const { return m_path; }

private:
    enum class Opened { Usable, Damaged, Unavailable };
    bool EnsureOpen();
    Opened Open();
    bool Refused();
    void Close();
    bool SetAside();
    bool Fail(const QString& reason);

    QString m_folder;
    QString m_connection;
    QString m_path;
    int m_busyMilliseconds;
    bool m_checked = false;  // the quick check has passed in this run
    QString m_problem;
    QString m_notice;
    QSqlDatabase m_db;
    std::unique_ptr<QSqlQuery> m_insert;
    std::unique_ptr<QSqlQuery> m_find;
    std::unique_ptr<QSqlQuery> m_name;
};
