#include "GameHistory.h"

#include "HistorySchema.h"
#include "RegularFile.h"

#include <QDate>
#include <QDateTime>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <map>
#include <fcntl.h>
#include <unistd.h>

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

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

QString Reason(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

QByteArray Local(const QString& path) { return QFile::encodeName(path); }

// A whole number the game could have written: SQLite's integer type, in range.
std::optional<int64_t> Whole(const QVariant& value, int64_t low, int64_t high)
{
    if (value.typeId() != QMetaType::LongLong && value.typeId() != QMetaType::Int)
        return std::nullopt;
    const int64_t number = value.toLongLong();
    if (number < low || number > high)
        return std::nullopt;
    return number;
}

std::optional<int32_t> Whole32(const QVariant& value, int32_t low)
{
    const std::optional<int64_t> number = Whole(value, low, INT32_MAX);
    return number ? std::optional<int32_t>(int32_t(*number)) : std::nullopt;
}

// The same rule for the sums and maxima SQLite works out itself.
QString Valid(const char* column, int low)
{
    return QStringLiteral("(CASE WHEN typeof(%1) = 'integer' AND %1 BETWEEN %2 AND 2147483647 THEN %1 END)")
        .arg(QLatin1String(column))
        .arg(low);
}

// A day as the daily board numbers it, YYYYMMDD; invalid when the number is no date.
QDate DayOf(uint32_t number)
{
    return QDate(int(number / 10000), int(number / 100 % 100), int(number % 100));
}

uint32_t NumberOf(QDate date) { return uint32_t(date.year() * 10000 + date.month() * 100 + date.day()); }

} // namespace

bool SameGame(const FinishedGame& a, const FinishedGame& b)
{
    return a.finishedAt == b.finishedAt && a.boardNumber == b.boardNumber && a.width == b.width
           && a.height == b.height && a.gameTime == b.gameTime && a.score == b.score;
}

GameHistory::GameHistory(const QString& folder, int busyMilliseconds)
    : m_folder(folder)
    , m_connection(NextConnectionName())
    , m_path(QDir(folder).filePath(QString::fromLatin1(kFileName)))
    , m_busyMilliseconds(busyMilliseconds)
{
}

GameHistory::~GameHistory() { Close(); }

bool GameHistory::EnsureOpen()
{
    if (m_insert)
        return true;
    Close();
    if (Refused())
        return false;
    Opened opened = Open();
    if (opened == Opened::Damaged) {
        Close();
        if (!SetAside())
            return false;
        // A fresh file that fails too is no longer about the old file's contents.
        opened = Open();
        if (opened == Opened::Damaged)
            Fail(QCoreApplication::translate("History", "a new history file could not be started in %1").arg(Native(m_folder)));
    }
    if (opened != Opened::Usable) {
        Close();
        return false;
    }
    m_problem.clear();
    return true;
}

// SQLite opens whatever the name leads to and makes its journals beside it:
// a FIFO would hang the open, a link to a device would leave a journal in
// /dev, and a read-only file would get journals it cannot use. None of them
// is touched.
bool GameHistory::Refused()
{
    if (!QDir().mkpath(m_folder))
        return !Fail(QCoreApplication::translate("History", "the folder %1 cannot be written").arg(Native(m_folder)));
    QString folder = m_folder;
    if (const FileKind kind = KindOf(Local(m_path).constData()); kind != FileKind::Missing) {
        if (kind != FileKind::Regular)
            return !Fail(QCoreApplication::translate("History", "%1 is not a regular file").arg(Native(m_path)));
        if (::faccessat(AT_FDCWD, Local(m_path).constData(), W_OK, AT_EACCESS) != 0)
            return !Fail(QCoreApplication::translate("History", "%1 is read-only").arg(Native(m_path)));
        folder = QFileInfo(QFileInfo(m_path).canonicalFilePath()).absolutePath();
    } else if (errno != ENOENT) {
        return !Fail(QStringLiteral("%1: %2").arg(Native(m_path), QString::fromLocal8Bit(std::strerror(errno))));
    } else if (KindOf(Local(m_path).constData(), /*followLinks=*/false) != FileKind::Missing) {
        return !Fail(QCoreApplication::translate("History", "%1 is a link to nothing").arg(Native(m_path)));
    }
    if (::faccessat(AT_FDCWD, Local(folder).constData(), W_OK, AT_EACCESS) != 0)
        return !Fail(QCoreApplication::translate("History", "the folder %1 cannot be written").arg(Native(folder)));
    return false;
}

GameHistory::Opened GameHistory::Open()
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    if (!m_db.open()) {
        Fail(QStringLiteral("%1: %2").arg(Native(m_path), Reason(m_db.lastError())));
        return Opened::Unavailable;
    }
    QSqlQuery query(m_db);
    const auto failed = [this](const QSqlError& error) {
        if (IsDamage(error))
            return Opened::Damaged;
        Fail(QStringLiteral("%1: %2").arg(Native(m_path), Reason(error)));
        return Opened::Unavailable;
    };
    // The busy timeout comes first, so that a copy of the game writing at the
    // same moment makes this one wait instead of fail; this runs on the
    // history's own thread, so the wait is nobody's.
    if (!query.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(m_busyMilliseconds)))
        return failed(query.lastError());
    // Damage inside the file goes unnoticed by queries that do not read the
    // damaged pages, so the whole file is checked once a run.
    if (!m_checked) {
        if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next())
            return failed(query.lastError());
        if (query.value(0).toString() != QLatin1String("ok"))
            return Opened::Damaged;
        m_checked = true;
    }
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return failed(query.lastError());
    query.finish();
    // WAL lets readers and one writer work at once; in WAL mode a normal sync
    // can lose only the last game on a power cut, never the file.
    query.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    query.finish();
    if (const std::optional<QSqlError> migrationFailed = MigrateHistory(m_db))
        return failed(*migrationFailed);

    const auto prepared = [this](std::unique_ptr<QSqlQuery>& statement, const char* sql) {
        statement = std::make_unique<QSqlQuery>(m_db);
        return statement->prepare(QString::fromLatin1(sql));
    };
    if (!prepared(m_find, "SELECT id FROM games WHERE width = ? AND height = ? AND game_time = ? AND score = ?"
                          " AND finished_at = ? AND board_number = ? LIMIT 1")
        || !prepared(m_name, "UPDATE games SET player = ? WHERE id = ?")
        || !prepared(m_insert, "INSERT INTO games (finished_at, width, height, game_time, board_number, score,"
                               " level, bricks_removed, best_group, fills_used, player, moves, daily)"
                               " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")) {
        const QSqlError error = (m_insert ? *m_insert : m_name ? *m_name : *m_find).lastError();
        m_insert.reset();
        return failed(error);
    }
    return Opened::Usable;
}

void GameHistory::Close()
{
    m_insert.reset();
    m_find.reset();
    m_name.reset();
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

// The damaged file and its journal files keep their contents under a new
// name; the player may want them back, so nothing is ever deleted. A journal
// left behind would be played into the new file, so a failed rename stops
// the new start.
bool GameHistory::SetAside()
{
    const QString suffix = QStringLiteral(".damaged-")
                           + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmssZ"));
    for (const QString& journal : {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm"),
                                   QString()}) {
        const QString from = m_path + journal;
        if (QFileInfo::exists(from) && !QFile::rename(from, from + suffix))
            return Fail(QCoreApplication::translate("History", "the damaged file %1 could not be moved aside").arg(Native(from)));
    }
    m_notice = QCoreApplication::translate("History", "The history file was damaged and was kept as %1.").arg(Native(m_path + suffix));
    return true;
}

bool GameHistory::Fail(const QString& reason)
{
    m_problem = reason;
    return false;
}

bool GameHistory::Write(const std::vector<FinishedGame>& games)
{
    if (!EnsureOpen())
        return false;
    QSqlQuery transaction(m_db);
    // IMMEDIATE takes the write lock at once, waiting for it if need be,
    // rather than failing half-way when a reader turns writer.
    if (!transaction.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        Fail(QStringLiteral("%1: %2").arg(Native(m_path), Reason(transaction.lastError())));
        Close();
        return false;
    }
    const auto run = [](QSqlQuery& statement, const QVariantList& values) {
        for (int i = 0; i < values.size(); ++i)
            statement.bindValue(i, values[i]);
        return statement.exec();
    };
    for (const FinishedGame& game : games) {
        const QString player = QString::fromStdString(game.player);
        QSqlQuery* step = m_find.get();
        bool done = run(*step, {game.width, game.height, game.gameTime, game.score,
                                QString::fromStdString(game.finishedAt), qint64{game.boardNumber}});
        const QVariant id = done && step->next() ? step->value(0) : QVariant();
        step->finish();
        if (done && id.isValid() && !player.isEmpty()) {
            step = m_name.get();
            done = run(*step, {player, id});
        } else if (done && !id.isValid()) {
            step = m_insert.get();
            done = run(*step, {QString::fromStdString(game.finishedAt), game.width, game.height, game.gameTime,
                               qint64{game.boardNumber}, game.score, game.level, game.bricksRemoved, game.bestGroup,
                               game.fillsUsed, player,
                               game.moves.empty() ? QVariant(QMetaType(QMetaType::QByteArray))
                                                  : QVariant(QByteArray::fromStdString(game.moves)),
                               game.daily ? 1 : 0});
        }
        if (!done) {
            Fail(QStringLiteral("%1: %2").arg(Native(m_path), Reason(step->lastError())));
            transaction.exec(QStringLiteral("ROLLBACK"));
            Close();
            return false;
        }
    }
    if (!transaction.exec(QStringLiteral("COMMIT"))) {
        Fail(QStringLiteral("%1: %2").arg(Native(m_path), Reason(transaction.lastError())));
        transaction.exec(QStringLiteral("ROLLBACK"));
        Close();
        return false;
    }
    return true;
}

std::optional<HistoryStatistics> GameHistory::Statistics(int recentLimit)
{
    if (!EnsureOpen())
        return std::nullopt;
    HistoryStatistics figures;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const QString score = Valid("score", 0);
    // Every query must succeed: figures from some of them would contradict the rest.
    const auto failed = [&] {
        Fail(QStringLiteral("%1: %2").arg(Native(m_path), Reason(query.lastError())));
        Close();
        return std::nullopt;
    };
    if (!query.exec(QStringLiteral("SELECT count(*), coalesce(sum(%1), 0), coalesce(max(%2), 0), coalesce(avg(%2), 0),"
                                   " coalesce(max(%3), 0) FROM games")
                        .arg(Valid("game_time", 1), score, Valid("best_group", 0)))
        || !query.next())
        return failed();
    figures.gamesPlayed = query.value(0).toLongLong();
    figures.secondsPlayed = query.value(1).toLongLong();
    figures.bestScore = query.value(2).toInt();
    figures.averageScore = query.value(3).toDouble();
    figures.bestGroup = query.value(4).toInt();

    // Grouped by the columns themselves, so the index answers; a group whose
    // size or length cannot be real is left out.
    if (!query.exec(QStringLiteral("SELECT width, height, game_time, count(*), max(%1), avg(%1) FROM games"
                                   " GROUP BY width, height, game_time ORDER BY width, height, game_time")
                        .arg(score)))
        return failed();
    while (query.next()) {
        const std::optional<int32_t> width = Whole32(query.value(0), 1), height = Whole32(query.value(1), 1),
                                     gameTime = Whole32(query.value(2), 1);
        if (!width || !height || !gameTime)
            continue;
        SizeFigures size{*width, *height, *gameTime, query.value(3).toLongLong(), Whole32(query.value(4), 0), {}};
        if (size.bestScore)
            size.averageScore = query.value(5).toDouble();
        figures.bySize.push_back(size);
    }
    if (!query.exec(QStringLiteral("SELECT s FROM (SELECT id, %1 AS s FROM games ORDER BY id DESC LIMIT 50)"
                                   " WHERE s IS NOT NULL ORDER BY id")
                        .arg(score)))
        return failed();
    while (query.next())
        figures.lastScores.push_back(query.value(0).toInt());

    if (!query.prepare(QStringLiteral("SELECT finished_at, width, height, game_time, score, board_number, id,"
                                      " length(moves) > 0 FROM games"
                                      " ORDER BY id DESC LIMIT ?")))
        return failed();
    query.addBindValue(recentLimit);
    if (!query.exec())
        return failed();
    while (query.next()) {
        const QVariant when = query.value(0);
        const bool isDate = when.typeId() == QMetaType::QString
                            && QDateTime::fromString(when.toString(), Qt::ISODate).isValid();
        const std::optional<int64_t> board = Whole(query.value(5), 0, UINT32_MAX);
        figures.recent.push_back({isDate ? when.toString() : QString(), Whole32(query.value(1), 1),
                                  Whole32(query.value(2), 1), Whole32(query.value(3), 1), Whole32(query.value(4), 0),
                                  board ? std::optional<uint32_t>(uint32_t(*board)) : std::nullopt,
                                  query.value(6).toLongLong(), query.value(7).toInt() == 1});
    }

    // SQLite takes the level and best group from the row whose score is the
    // maximum, so each day's line is one real game.
    if (!query.exec(QStringLiteral("SELECT board_number, max(%1), %2, %3 FROM games WHERE daily = 1 AND %1 IS NOT NULL"
                                   " GROUP BY board_number ORDER BY board_number")
                        .arg(score, Valid("level", 0), Valid("best_group", 0))))
        return failed();
    while (query.next()) {
        const std::optional<int64_t> day = Whole(query.value(0), 0, UINT32_MAX);
        if (!day || !DayOf(uint32_t(*day)).isValid())
            continue;
        figures.dailyBests.push_back({uint32_t(*day), query.value(1).toInt(), Whole32(query.value(2), 0),
                                      Whole32(query.value(3), 0)});
    }
    m_problem.clear();
    return figures;
}

DailyFigures DailyFiguresOn(const std::vector<DailyBest>& bests, uint32_t today)
{
    DailyFigures figures;
    const QDate day = DayOf(today);
    if (!day.isValid())
        return figures;
    std::map<uint32_t, const DailyBest*> byDay;
    for (const DailyBest& best : bests)
        byDay[best.day] = &best;
    const auto played = [&byDay](QDate date) { return byDay.find(NumberOf(date)); };
    if (const auto found = played(day); found != byDay.end())
        figures.today = *found->second;
    QDate last = figures.today ? day : day.addDays(-1);
    for (; played(last) != byDay.end(); last = last.addDays(-1))
        ++figures.streak;
    for (int back = kDailyChartDays - 1; back >= 0; --back) {
        const auto found = played(day.addDays(-back));
        figures.lastDays.push_back(found == byDay.end() ? 0 : found->second->score);
    }
    return figures;
}

std::optional<GameRecording> GameHistory::Recording(int64_t id)
{
    if (!EnsureOpen())
        return std::nullopt;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT moves FROM games WHERE id = ?"))) {
        Fail(QStringLiteral("%1: %2").arg(Native(m_path), Reason(query.lastError())));
        return std::nullopt;
    }
    query.addBindValue(qint64{id});
    if (!query.exec()) {
        Fail(QStringLiteral("%1: %2").arg(Native(m_path), Reason(query.lastError())));
        Close();
        return std::nullopt;
    }
    m_problem.clear();
    if (!query.next() || query.value(0).typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const QByteArray bytes = query.value(0).toByteArray();
    return DecodeRecording(std::string_view(bytes.constData(), size_t(bytes.size())));
}

std::optional<int64_t> GameHistory::LastRecordingId()
{
    if (!EnsureOpen())
        return std::nullopt;
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT max(id) FROM games WHERE moves IS NOT NULL"))) {
        Fail(QStringLiteral("%1: %2").arg(Native(m_path), Reason(query.lastError())));
        Close();
        return std::nullopt;
    }
    m_problem.clear();
    if (!query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toLongLong();
}
