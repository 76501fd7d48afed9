#include "HistorySchema.h"

#include <QSqlQuery>
#include <QVariant>

#include <iterator>

namespace {

struct SchemaStep {
    int version;                      // the version the database has after this step
    std::initializer_list<const char*> statements;
};

// Every version the history has had, oldest first. A new version is one more
// step at the end; a released step is never changed, since databases out
// there were built by it.
const SchemaStep kSteps[] = {
    {1,
     {"CREATE TABLE games ("
      " id INTEGER PRIMARY KEY,"
      " finished_at TEXT NOT NULL,"
      " width INTEGER NOT NULL,"
      " height INTEGER NOT NULL,"
      " game_time INTEGER NOT NULL,"
      " board_number INTEGER NOT NULL,"
      " score INTEGER NOT NULL,"
      " level INTEGER NOT NULL,"
      " bricks_removed INTEGER NOT NULL,"
      " best_group INTEGER NOT NULL,"
      " fills_used INTEGER NOT NULL,"
      " player TEXT NOT NULL)"}},
    // The figures per board size and game length read this index alone
    // instead of sorting the whole table.
    {2, {"CREATE INDEX games_by_size ON games (width, height, game_time, score)"}},
    // Each game's moves, to play it again (none for games older than this),
    // and whether it was played on the board of the day.
    {3, {"ALTER TABLE games ADD COLUMN moves BLOB", "ALTER TABLE games ADD COLUMN daily INTEGER NOT NULL DEFAULT 0"}},
};

std::optional<int> UserVersion(QSqlDatabase& db, QSqlError& error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        error = query.lastError();
        return std::nullopt;
    }
    return query.value(0).toInt();
}

std::optional<QSqlError> Fail(QSqlQuery& query)
{
    QSqlError error = query.lastError();
    query.exec(QStringLiteral("ROLLBACK"));
    return error;
}

} // namespace

int LatestHistoryVersion() { return std::prev(std::end(kSteps))->version; }

std::optional<QSqlError> MigrateHistory(QSqlDatabase& db)
{
    QSqlError error;
    std::optional<int> version = UserVersion(db, error);
    if (!version)
        return error;
    if (*version >= LatestHistoryVersion())
        return std::nullopt;

    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return query.lastError();
    // Another copy of the game may have migrated while this one waited for the lock.
    version = UserVersion(db, error);
    if (!version) {
        query.exec(QStringLiteral("ROLLBACK"));
        return error;
    }
    for (const SchemaStep& step : kSteps) {
        if (step.version <= *version)
            continue;
        for (const char* statement : step.statements)
            if (!query.exec(QString::fromLatin1(statement)))
                return Fail(query);
    }
    if (*version < LatestHistoryVersion()
        && !query.exec(QStringLiteral("PRAGMA user_version = %1").arg(LatestHistoryVersion())))
        return Fail(query);
    if (!query.exec(QStringLiteral("COMMIT")))
        return Fail(query);
    return std::nullopt;
}
