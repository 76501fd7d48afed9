#include "BackgroundHistory.h"

#include "GameHistory.h"
#include "HistorySpool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>

#include <iostream>
#include <optional>

QString DefaultHistoryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tolmora");
}

struct BackgroundHistory::Request {
    std::optional<FinishedGame> game;
    int recentLimit = -1;  // a reading when not negative
    QPointer<QObject> receiver;
    std::function<void(const HistoryReading&)> done;
    std::optional<int64_t> recordingId;  // a recording's reading when set
    std::function<void(const std::optional<GameRecording>&)> recordingDone;
};

struct BackgroundHistory::Shared {
    QString folder;
    Options options;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::vector<Request> requests;
    bool busy = false;
    bool stop = false;
    QString status;
    std::thread thread;

    // Owned by the history's thread alone.
    std::vector<FinishedGame> pending;
    QString writeProblem;
    bool toldProblem = false;
    bool toldNotice = false;

    QString SpoolPath() const { return QDir(folder).filePath(QString::fromLatin1(kSpoolFileName)); }
    void Run(QObject* home);
    void Keep(const FinishedGame& game);
    QString Compose(const GameHistory& history, const std::optional<QString>& spoolProblem,
                    const QString& readProblem);
    void Tell(const QString& text, bool& told);
};

BackgroundHistory::BackgroundHistory(QString folder, Options options)
    : m_shared(std::make_unique<Shared>())
{
    m_shared->folder = std::move(folder);
    m_shared->options = std::move(options);
}

BackgroundHistory::~BackgroundHistory()
{
    // A run that played no game still owes the history what an earlier run
    // left in the spool: a locked file then, or a kill, must not keep it
    // there until some later game ends.
    bool started = false;
    {
        std::lock_guard lock(m_shared->mutex);
        started = m_shared->thread.joinable();
    }
    if (!started && !QFileInfo::exists(m_shared->SpoolPath()))
        return;
    Flush();
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->stop = true;
    }
    m_shared->wake.notify_one();
    m_shared->thread.join();
}

void BackgroundHistory::Post(Request request) const
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->requests.push_back(std::move(request));
        if (!m_shared->thread.joinable())
            m_shared->thread = std::thread([shared = m_shared.get(), home = const_cast<QObject*>(&m_home)] {
                shared->Run(home);
            });
    }
    m_shared->wake.notify_one();
}

void BackgroundHistory::Record(const FinishedGame& game)
{
    Request request;
    request.game = game;
    Post(std::move(request));
}

void BackgroundHistory::ReadStatistics(int recentLimit, QObject* receiver,
                                       std::function<void(const HistoryReading&)> done) const
{
    Request request;
    request.recentLimit = std::max(recentLimit, 0);
    request.receiver = receiver;
    request.done = std::move(done);
    Post(std::move(request));
}

void BackgroundHistory::ReadRecording(int64_t id, QObject* receiver,
                                      std::function<void(const std::optional<GameRecording>&)> done) const
{
    Request request;
    request.recordingId = id;
    request.receiver = receiver;
    request.recordingDone = std::move(done);
    Post(std::move(request));
}

void BackgroundHistory::Flush() { Post(Request()); }

void BackgroundHistory::Drain() const
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->idle.wait(lock, [this] { return m_shared->requests.empty() && !m_shared->busy; });
}

QString BackgroundHistory::Status() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->status;
}

QString BackgroundHistory::SpoolPath() const { return m_shared->SpoolPath(); }

void BackgroundHistory::Shared::Run(QObject* home)
{
    GameHistory history(folder, options.busyMilliseconds);
    // Games an earlier run could not write; the file may have them by now,
    // which Write finds out.
    for (const FinishedGame& game : ReadSpool(SpoolPath()))
        Keep(game);
    bool spooled = !pending.empty();
    for (;;) {
        std::vector<Request> batch;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return !requests.empty() || stop; });
            if (requests.empty())
                return;
            batch.swap(requests);
            busy = true;
        }
        bool arrived = false;
        for (const Request& request : batch)
            if (request.game) {
                Keep(*request.game);
                arrived = true;
            }
        // A new game reaches the spool before the file is tried, so that a
        // program killed while the file is locked still finds it next time;
        // the file tells a game it already holds, so none is written twice.
        std::optional<QString> spoolProblem;
        if (arrived) {
            spoolProblem = WriteSpool(SpoolPath(), pending);
            spooled = true;
        }
        if (!pending.empty()) {
            if (history.Write(pending)) {
                pending.clear();
                writeProblem.clear();
            } else {
                writeProblem = history.Problem();
            }
        }
        if (spooled || !pending.empty()) {
            spoolProblem = WriteSpool(SpoolPath(), pending);
            spooled = spoolProblem || !pending.empty();
        }
        std::vector<std::pair<const Request*, HistoryStatistics>> readings;
        QString readProblem;
        for (const Request& request : batch) {
            if (request.recentLimit < 0)
                continue;
            std::optional<HistoryStatistics> figures = history.Statistics(request.recentLimit);
            if (!figures)
                readProblem = history.Problem();
            readings.emplace_back(&request, figures.value_or(HistoryStatistics{}));
        }
        for (const Request& request : batch) {
            if (!request.recordingId)
                continue;
            QMetaObject::invokeMethod(
                home,
                [receiver = request.receiver, done = request.recordingDone,
                 recording = history.Recording(*request.recordingId)] {
                    if (receiver)
                        done(recording);
                },
                Qt::QueuedConnection);
        }
        const QString composed = Compose(history, spoolProblem, readProblem);
        for (auto& [request, figures] : readings)
            QMetaObject::invokeMethod(
                home,
                [receiver = request->receiver, done = request->done,
                 reading = HistoryReading{std::move(figures), composed}] {
                    if (receiver)
                        done(reading);
                },
                Qt::QueuedConnection);
        {
            std::lock_guard lock(mutex);
            status = composed;
            busy = false;
        }
        idle.notify_all();
    }
}

// A game recorded again is the same game; only a name is added to it.
void BackgroundHistory::Shared::Keep(const FinishedGame& game)
{
    for (FinishedGame& waiting : pending) {
        if (!SameGame(waiting, game))
            continue;
        if (!game.player.empty())
            waiting.player = game.player;
        return;
    }
    pending.push_back(game);
}

QString BackgroundHistory::Shared::Compose(const GameHistory& history, const std::optional<QString>& spoolProblem,
                                           const QString& readProblem)
{
    QStringList lines;
    if (!history.Notice().isEmpty()) {
        lines << history.Notice();
        Tell(history.Notice(), toldNotice);
    }
    QString problem;
    if (!pending.empty()) {
        const QString where =
            spoolProblem ? QCoreApplication::translate("History", "in memory only, as %1").arg(*spoolProblem)
                         : QCoreApplication::translate("History", "in %1").arg(QDir::toNativeSeparators(SpoolPath()));
        problem = QCoreApplication::translate("History",
                                              "The history is unavailable: %1. %n finished game(s) wait %3, to be"
                                              " written when it can be.",
                                              nullptr, int(pending.size()))
                      .arg(writeProblem, where);
    } else if (!readProblem.isEmpty()) {
        problem = QCoreApplication::translate("History", "The history is unavailable: %1.").arg(readProblem);
    }
    if (!problem.isEmpty()) {
        lines << problem;
        Tell(problem, toldProblem);
    }
    return lines.join(QLatin1Char('\n'));
}

void BackgroundHistory::Shared::Tell(const QString& text, bool& told)
{
    if (told)
        return;
    told = true;
    if (options.tell)
        options.tell(text);
    else
        std::cerr << "tolmora: warning: " << text.toStdString() << std::endl;
}
