#pragma once

#include "ModSound.h"
#include "RandomSource.h"
#include "ScriptedFileDialog.h"
#include "ScriptedInputBox.h"
#include "ScriptedMessageBox.h"
#include "SettingsStore.h"
#include "SoakChecks.h"
#include "SoakReplays.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTemporaryDir>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

class frmMain;
class frmRules;

struct SoakOptions {
    uint64_t seed = 1;
    int64_t steps = 3000;      // used when minutes is 0
    double minutes = 0;        // otherwise: whole memory windows until this much time has passed
    int64_t windowSteps = 1000;
    int stepTimeoutSeconds = 120;
    double memoryTolerance = 0.05;
    // Replay every finished game at the end and demand that the run had
    // games with fills, pauses and level-ups among them.
    bool replays = false;
};

// Ends the process when one step runs longer than its limit: a modal dialog
// nobody answers, or a handler that never returns, fails the run instead of
// hanging it. Runs on its own thread, so it fires whatever the event loop does.
class Watchdog {
public:
    explicit Watchdog(int seconds);
    ~Watchdog();
    void Beat(int64_t step, const char* action);

private:
    const int m_seconds;
    std::atomic<int64_t> m_step{-1};
    std::atomic<const char*> m_action{"start-up"};
    std::atomic<int64_t> m_beatMs{0};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};

// Plays the real main window on the offscreen platform with one seed: real
// mouse events on the board and around it, the menu items, the new-game
// dialog, themes good and hostile, clock ticks called directly, names at the
// high-score prompt, About and Rules. After every step it checks the game's
// invariants and "Settings.log", and it measures the peak memory of each
// window of steps, each of which opens with a game of the largest size.
class SoakBot : public QObject {
public:
    explicit SoakBot(const SoakOptions& options);
    ~SoakBot() override;

    // Plays to the end and prints the report; the process's exit status.
    int Run();

private:
    enum class Action {
        ClickBrick, ClickAnywhere, DragOff, Fill, Ticks, RunOut, Pause, Mute, HighScores, NewGame, Theme, About,
        Rules, LargestGame,
    };

    bool Step();
    Action Choose();
    StepFacts Perform(Action action);
    StepFacts Click(QPoint press, QPoint release, Qt::MouseButton button);
    StepFacts ClickBrick();
    StepFacts NewGame(bool largest);
    void Ticks(int count, StepFacts& facts);
    void OpenAbout();
    void CloseAbout(int attempt);
    void ToggleRules();
    void WatchForModals();
    void Fail(const std::string& fault);

    void OpenMemoryWindow();
    void CloseMemoryWindow();
    std::optional<bool> MemoryFlat() const;
    void Report(double seconds) const;
    void CheckRecordings();

    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_random) < p; }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    Qt::MouseButton AnyButton();
    QPoint ScrolledInto(QPoint boardPoint);

    SoakOptions m_options;
    std::mt19937_64 m_random;
    // Names come from their own sequence: how many prompts a game over
    // brings depends on the table, and must not shift the actions.
    std::mt19937_64 m_nameRandom;
    QTemporaryDir m_folder;
    std::unique_ptr<AudioBackend> m_audio;
    ModSound m_sound;
    SeededRandomSource m_boardRandom;
    ScriptedMessageBox m_messages;
    ScriptedInputBox m_input;
    ScriptedFileDialog m_files;
    KeptRecordings m_recordings;
    std::unique_ptr<DiskSettingsStore> m_store;
    std::unique_ptr<frmMain> m_window;
    std::vector<std::string> m_themes;
    std::unique_ptr<SettingsWatch> m_settings;
    QPointer<frmRules> m_rules;
    Watchdog m_watchdog;
    QElapsedTimer m_clock;

    int64_t m_step = 0;
    const char* m_actionName = "start-up";
    std::string m_failure;
    bool m_expectingAbout = false;
    bool m_aboutSeen = false;
    int64_t m_gamesStarted = 1;
    int64_t m_gamesOver = 0;
    int64_t m_names = 0;

    struct MemoryWindow {
        int64_t firstStep = 0;
        int64_t lastStep = 0;
        long peakKb = 0;
    };
    std::vector<MemoryWindow> m_windows;
    std::optional<MemoryWindow> m_openWindow;
    bool m_finalWindow = false;
};
