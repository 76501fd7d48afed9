#pragma once

#include "FinishedGame.h"
#include "HistoryStatistics.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// The folder the history lives in: $XDG_DATA_HOME/Tolmora, by default
// ~/.local/share/Tolmora.
QString DefaultHistoryFolder();

// The game history as the window uses it: every call returns at once and
// the file is read and written on a thread of the history's own, which is
// started by the first call, so the window never waits on a lock, a slow
// disk or the check of a long file.
//
// A game that cannot be written now stays pending, in memory and in the
// spool file beside the history when that can be written, and is written at
// the next chance: the next game recorded, the next reading of the figures,
// or the end of the program. A spool left by an earlier run is taken over at
// the first call. The player is told once a run, on standard error (or
// through Options::tell) and in the status line of every reading, when games
// are pending or the history cannot be used, with its path and the reason.
class BackgroundHistory final : public GameRecorder, public HistoryReader {
public:
    struct Options {
        int busyMilliseconds;
        std::function<void(const QString&)> tell;  // standard error when empty
    };

    explicit BackgroundHistory(QString folder, Options options = {2000, {}});
    // Makes a last try at the pending games, and waits for it.
    ~BackgroundHistory() override;
    BackgroundHistory(const BackgroundHistory&) = delete;
    BackgroundHistory& operator=(const BackgroundHistory&) = delete;

    void Record(const FinishedGame& game) override;
    void ReadStatistics(int recentLimit, QObject* receiver,
                        std::function<void(const HistoryReading&)> done) const override;
    void ReadRecording(int64_t id, QObject* receiver,
                       std::function<void(const std::optional<GameRecording>&)> done) const override;
    // Another try at the pending games; returns at once.
    void Flush();
    // Waits until every call made so far has been carried out: for tests.
    void Drain() const;
    // The status line as of the last call carried out.
    QString Status() const;
    QString SpoolPath() const;

private:
    struct Request;
    struct Shared;
    void Post(Request request) const;

    std::unique_ptr<Shared> m_shared;
    // Lives on the thread that made the history; readings reach their
    // receivers through it, on that thread.
    QObject m_home;
};
