#include "GameHistory.h"

#include "HistorySchema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace {

// SQLite's primary result codes for a file that is not a database at all and
// for one whose pages do not hold together. Any other failure (a lock held
// too long, a full disk) says nothing about the file, which is then kept.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

bool IsDamage(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

QString NextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("tolmora-history-%1").arg(counter.fetch_add(1));
}

bool Exec(QSqlQuery& query, const QString& statement, QSqlError& error)
{
    if (query.exec(statement))
        return true;
    error = query.lastError();
    return false;
}

} // namespace

QString DefaultHistoryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tolmora");
}

GameHistory::GameHistory(const QString& folder)
    : m_connection(NextConnectionName())
    , m_path(QDir(folder).filePath(QString::fromLatin1(kFileName)))
{
    if (!QDir().mkpath(folder)) {
        Unavailable(QStringLiteral("the folder %1 cannot be written").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    if (Open() != Opened::Damaged)
        return;
    Close();
    if (!SetAside())
        return;
    // A fresh file that fails too is no longer about the old file's contents.
    if (Open() == Opened::Damaged)
        Unavailable(QStringLiteral("a new history file could not be started"));
}

GameHistory::~GameHistory() { Close(); }

GameHistory::Opened GameHistory::Open()
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    if (!m_db.open()) {
        Unavailable(m_db.lastError().text());
        return Opened::Unavailable;
    }
    QSqlQuery query(m_db);
    QSqlError error;
    // The busy timeout comes first, so that a copy of the game writing at the
    // same moment makes this one wait instead of fail. WAL lets readers and
    // one writer work at once; in WAL mode a normal sync can lose only the
    // last game on a power cut, never the file, and keeps a record quick.
    if (!Exec(query, QStringLiteral("PRAGMA busy_timeout = 5000"), error)
        || !Exec(query, QStringLiteral("SELECT count(*) FROM sqlite_master"), error)) {
        if (IsDamage(error))
            return Opened::Damaged;
        Unavailable(error.text());
        return Opened::Unavailable;
    }
    query.finish();
    Exec(query, QStringLiteral("PRAGMA journal_mode = WAL"), error);
    Exec(query, QStringLiteral("PRAGMA synchronous = NORMAL"), error);
    query.finish();
    if (const std::optional<QSqlError> failed = MigrateHistory(m_db)) {
        if (IsDamage(*failed))
            return Opened::Damaged;
        Unavailable(failed->text());
        return Opened::Unavailable;
    }

    auto insert = std::make_unique<QSqlQuery>(m_db);
    if (!insert->prepare(QStringLiteral(
            "INSERT INTO games (finished_at, width, height, game_time, board_number, score, level,"
            " bricks_removed, best_group, fills_used, player) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))) {
        Unavailable(insert->lastError().text());
        return Opened::Unavailable;
    }
    m_insert = std::move(insert);
    return Opened::Usable;
}

void GameHistory::Close()
{
    m_insert.reset();
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

// The damaged file and its journal files keep their contents under a new
// name; the player may want them back, so nothing is ever deleted.
bool GameHistory::SetAside()
{
    const QString suffix = QStringLiteral(".damaged-")
                           + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmssZ"));
    for (const QString& journal : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFile::exists(m_path + journal))
            QFile::rename(m_path + journal, m_path + journal + suffix);
    }
    if (!QFile::rename(m_path, m_path + suffix)) {
        Unavailable(QStringLiteral("the damaged file %1 could not be moved aside")
                        .arg(QDir::toNativeSeparators(m_path)));
        return false;
    }
    m_status = QStringLiteral("The history file was damaged and was kept as %1.")
                   .arg(QDir::toNativeSeparators(m_path + suffix));
    return true;
}

void GameHistory::Unavailable(const QString& reason)
{
    m_status = QStringLiteral("The history is unavailable: %1.").arg(reason);
}

void GameHistory::Record(const FinishedGame& game)
{
    if (!m_insert)
        return;
    // One transaction per game: a game whose insert fails, or whose program
    // dies before the commit, leaves no row at all.
    if (!m_db.transaction())
        return;
    const QVariant values[] = {QString::fromStdString(game.finishedAt),
                               game.width,
                               game.height,
                               game.gameTime,
                               qint64{game.boardNumber},
                               game.score,
                               game.level,
                               game.bricksRemoved,
                               game.bestGroup,
                               game.fillsUsed,
                               QString::fromStdString(game.player)};
    for (int i = 0; i < int(std::size(values)); ++i)
        m_insert->bindValue(i, values[i]);
    const bool inserted = m_insert->exec();
    m_insert->finish();
    if (!inserted || !m_db.commit())
        m_db.rollback();
}

HistoryStatistics GameHistory::Statistics(int recentLimit) const
{
    HistoryStatistics figures;
    if (!m_insert)
        return figures;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral("SELECT count(*), coalesce(sum(game_time), 0), coalesce(max(score), 0),"
                                  " coalesce(avg(score), 0), coalesce(max(best_group), 0) FROM games"))
        && query.next()) {
        figures.gamesPlayed = query.value(0).toLongLong();
        figures.secondsPlayed = query.value(1).toLongLong();
        figures.bestScore = query.value(2).toInt();
        figures.averageScore = query.value(3).toDouble();
        figures.bestGroup = query.value(4).toInt();
    }
    if (query.exec(QStringLiteral("SELECT width, height, game_time, count(*), max(score), avg(score) FROM games"
                                  " GROUP BY width, height, game_time ORDER BY width, height, game_time"))) {
        while (query.next())
            figures.bySize.push_back({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt(),
                                      query.value(3).toLongLong(), query.value(4).toInt(),
                                      query.value(5).toDouble()});
    }
    if (query.exec(QStringLiteral("SELECT score FROM (SELECT id, score FROM games ORDER BY id DESC LIMIT 50)"
                                  " ORDER BY id"))) {
        while (query.next())
            figures.lastScores.push_back(query.value(0).toInt());
    }
    query.prepare(QStringLiteral("SELECT finished_at, width, height, game_time, score, board_number FROM games"
                                 " ORDER BY id DESC LIMIT ?"));
    query.addBindValue(recentLimit);
    if (query.exec()) {
        while (query.next())
            figures.recent.push_back({query.value(0).toString(), query.value(1).toInt(), query.value(2).toInt(),
                                      query.value(3).toInt(), query.value(4).toInt(),
                                      uint32_t(query.value(5).toLongLong())});
    }
    return figures;
}
