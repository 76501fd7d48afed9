// The history over every state its file can be in: nothing lost, the caller
// never kept waiting, the player told once.
#include "BackgroundHistory.h"
#include "GameHistory.h"
#include "HistoryFiles.h"
#include "HistorySpool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Another program holding the file's write lock (BEGIN EXCLUSIVE, as the
// sqlite3 shell does) for three seconds at most, or until released.
class LockHolder {
public:
    explicit LockHolder(const QString& file)
        : m_thread([this, file] {
            RawHistory raw(file);
            std::unique_lock lock(m_mutex);
            m_held = raw.Exec(QStringLiteral("BEGIN EXCLUSIVE"));
            m_changed.notify_all();
            m_changed.wait_for(lock, std::chrono::seconds(3), [this] { return m_release; });
            raw.Exec(QStringLiteral("ROLLBACK"));
            m_held = false;
        })
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_held; });
    }
    ~LockHolder() { Release(); }
    bool Held()
    {
        std::lock_guard lock(m_mutex);
        return m_held;
    }
    void Release()
    {
        {
            std::lock_guard lock(m_mutex);
            m_release = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    bool m_release = false;
    std::thread m_thread;
};

struct Place {
    QString folder;
    QString file;
    QString elsewhere;  // a folder outside the history's
    std::unique_ptr<LockHolder> lock;
};

void History(const QString& file, const char* journalMode)
{
    GameHistory history(QFileInfo(file).absolutePath());
    history.Write({Game(100, 5, 5, 60, 1, 2, "Old")});
    RawHistory(file).Exec(QStringLiteral("PRAGMA journal_mode = %1").arg(QLatin1String(journalMode)));
}

struct FileState {
    const char* name;
    std::function<void(Place&)> make;
    std::function<void(Place&)> mend;  // none: the file takes games as it is
    bool spooled = true;               // the spool beside the history can be written
    bool asNobody = false;             // root may write anything; a read-only case runs as nobody
    int oldGames = 0;                  // games the file held before
};
void PrintTo(const FileState& state, std::ostream* out) { *out << state.name; }

void Remove(Place& place) { QFile::remove(place.file) || QDir(place.file).removeRecursively(); }

const FileState kStates[] = {
    {"Missing", [](Place&) {}, {}},
    {"Empty", [](Place& p) { QFile(p.file).open(QIODevice::WriteOnly); }, {}},
    {"SymlinkToFile",
     [](Place& p) {
         History(p.elsewhere + "/history.sqlite", "WAL");
         QFile::link(p.elsewhere + "/history.sqlite", p.file);
     },
     {}, true, false, 1},
    {"DamagedInside",
     [](Place& p) {
         std::vector<FinishedGame> games;
         for (int i = 0; i < 2001; ++i) games.push_back(Game(i, 17, 12, 120, uint32_t(i)));
         GameHistory(p.folder).Write(games);
         QFile file(p.file);
         file.open(QIODevice::ReadWrite);
         file.seek(4096 * 6);
         file.write(QByteArray(2 * 4096, 'Z'));
     },
     {}},
    {"Folder", [](Place& p) { QDir().mkpath(p.file); }, Remove},
    {"Fifo", [](Place& p) { ::mkfifo(QFile::encodeName(p.file).constData(), 0600); }, Remove},
    {"SymlinkToDevNull", [](Place& p) { QFile::link(QStringLiteral("/dev/null"), p.file); }, Remove},
    {"ReadOnlyFile",
     [](Place& p) {
         History(p.file, "WAL");
         ::chmod(QFile::encodeName(p.file).constData(), 0444);
     },
     [](Place& p) { ::chmod(QFile::encodeName(p.file).constData(), 0644); }, true, true, 1},
    {"ReadOnlyFolder",
     [](Place& p) {
         History(p.file, "WAL");
         ::chmod(QFile::encodeName(p.folder).constData(), 0555);
     },
     [](Place& p) { ::chmod(QFile::encodeName(p.folder).constData(), 0755); }, false, true, 1},
    {"LockedWal",
     [](Place& p) {
         History(p.file, "WAL");
         p.lock = std::make_unique<LockHolder>(p.file);
     },
     [](Place& p) { p.lock.reset(); }, true, false, 1},
    {"LockedRollbackJournal",
     [](Place& p) {
         History(p.file, "DELETE");
         p.lock = std::make_unique<LockHolder>(p.file);
     },
     [](Place& p) { p.lock.reset(); }, true, false, 1},
};

// Root gets past file modes; the history's thread, started from this one,
// checks them as nobody instead.
class AsNobody {
public:
    AsNobody(bool wanted, const QString& top) : m_on(wanted && ::geteuid() == 0)
    {
        if (!m_on)
            return;
        for (const QString& path : {top, top + "/Tolmora", top + "/Tolmora/history.sqlite"})
            [[maybe_unused]] const int changed = ::chown(QFile::encodeName(path).constData(), 65534, 65534);
        ::setfsuid(65534);
    }
    ~AsNobody()
    {
        if (m_on)
            ::setfsuid(0);
    }

private:
    bool m_on;
};

class HistoryFileStates : public ::testing::TestWithParam<FileState> {};

TEST_P(HistoryFileStates, NothingLostNoWaitToldOnce)
{
    // Every state: the game and its name, recorded at once, reach the file when it can take them, and a refusal is told once with the path.
    const FileState& state = GetParam();
    QTemporaryDir temp, other;
    Place place{temp.filePath("Tolmora"), temp.filePath("Tolmora/history.sqlite"), other.path(), {}};
    QDir().mkpath(place.folder);
    const bool devJournal = QFile::exists("/dev/null-journal");
    state.make(place);
    std::vector<QString> told;
    {
        AsNobody nobody(state.asNobody, temp.path());
        BackgroundHistory history(place.folder, {200, [&told](const QString& text) { told.push_back(text); }});
        FinishedGame named = Game(500, 17, 12, 120, 42, 9, "");
        history.Record(named);
        named.player = "Ann";
        history.Record(named);
        if (place.lock) {
            EXPECT_TRUE(place.lock->Held()) << "the calls waited for the lock";
        }
        history.Record(Game(600, 17, 12, 120, 43, 9, ""));
        HistoryReading reading;
        QObject receiver;
        history.ReadStatistics(5, &receiver, [&reading](const HistoryReading& read) { reading = read; });
        history.Drain();
        QCoreApplication::processEvents();
        EXPECT_EQ(reading.status, history.Status());
        const bool refused = bool(state.mend);
        EXPECT_EQ(told.size(), refused || QString(state.name) == "DamagedInside" ? 1u : 0u);
        if (!told.empty()) {
            EXPECT_TRUE(told[0].contains(place.folder)) << told[0].toStdString();
            EXPECT_TRUE(history.Status().contains(told[0])) << history.Status().toStdString();
        }
        EXPECT_EQ(ReadSpool(history.SpoolPath()).size(), refused && state.spooled ? 2u : 0u);
        for (const char* journal : {"-wal", "-shm", "-journal"})
            EXPECT_FALSE(refused && !place.lock && QFile::exists(place.file + journal)) << journal;
        EXPECT_FALSE(!devJournal && QFile::exists("/dev/null-journal"));
        if (!devJournal)
            QFile::remove("/dev/null-journal");
        if (refused) {
            state.mend(place);
            history.Flush();
            history.Drain();
        }
        EXPECT_TRUE(history.Status().isEmpty() || !refused) << history.Status().toStdString();
        EXPECT_LE(told.size(), 1u) << "told more than once";
    }
    EXPECT_EQ(RawHistory(place.file).Value("SELECT group_concat(score || player, ',') FROM games WHERE score >= 500")
                  .toString(),
              "500Ann,600");
    EXPECT_EQ(RawHistory(place.file).Value("SELECT count(*) FROM games").toInt(), state.oldGames + 2);
    EXPECT_FALSE(QFile::exists(place.folder + "/" + kSpoolFileName));
    if (QString(state.name) == "SymlinkToFile") {
        EXPECT_TRUE(QFileInfo(place.file).isSymLink());
    }
}

INSTANTIATE_TEST_SUITE_P(States, HistoryFileStates, ::testing::ValuesIn(kStates),
                         [](const auto& info) { return std::string(info.param.name); });

// A spool left by a run that could not write its games is taken over and written, once, even if the file already
// holds one of them, at the latest when the next run ends; a damaged spool is left out and never stops the history.
TEST(HistorySpoolFile, AnEarlierRunsGamesAreWrittenOnce)
{
    QTemporaryDir temp;
    const QString folder = temp.filePath("Tolmora");
    QDir().mkpath(folder);
    GameHistory(folder).Write({Game(300)});
    ASSERT_FALSE(WriteSpool(folder + "/" + kSpoolFileName, {Game(300), Game(400)}));
    {
        BackgroundHistory history(folder);
        history.Record(Game(500));
    }
    EXPECT_EQ(RawHistory(folder + "/history.sqlite").Value("SELECT group_concat(score, ',') FROM games").toString(),
              "300,400,500");
    EXPECT_FALSE(QFile::exists(folder + "/" + kSpoolFileName));
    QFile damaged(folder + "/" + kSpoolFileName);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("{\"pending\": [{\"score\": ") > 0);
    damaged.close();
    {
        BackgroundHistory history(folder);
        history.Record(Game(600));
    }
    EXPECT_EQ(RawHistory(folder + "/history.sqlite").Value("SELECT count(*) FROM games").toInt(), 4);
    // A run that records nothing and reads nothing writes them on its way out.
    ASSERT_FALSE(WriteSpool(folder + "/" + kSpoolFileName, {Game(700)}));
    { BackgroundHistory history(folder); }
    EXPECT_EQ(RawHistory(folder + "/history.sqlite").Value("SELECT count(*) FROM games").toInt(), 5);
    EXPECT_FALSE(QFile::exists(folder + "/" + kSpoolFileName));
}

// A history that cannot be read says so in the reading even when no game waits to be written.
TEST(HistoryReadings, AnUnreadableHistoryIsToldWithNothingPending)
{
    QTemporaryDir temp;
    const QString folder = temp.filePath("Tolmora");
    QDir().mkpath(folder + "/history.sqlite");  // a folder where the file should be
    BackgroundHistory history(folder, {200, [](const QString&) {}});
    HistoryReading reading;
    QObject receiver;
    history.ReadStatistics(5, &receiver, [&reading](const HistoryReading& read) { reading = read; });
    history.Drain();
    QCoreApplication::processEvents();
    EXPECT_TRUE(reading.status.contains("unavailable")) << reading.status.toStdString();
    EXPECT_TRUE(reading.status.contains(folder)) << reading.status.toStdString();
    EXPECT_EQ(reading.figures.gamesPlayed, 0);
}

}  // namespace
