#include "SoakBot.h"

#include "AudioBackendFactory.h"
#include "BoardGeometry.h"
#include "BoardSurface.h"
#include "BrickColors.h"
#include "FindControl.h"
#include "FrmAbout.h"
#include "SettingsFile.h"
#include "SoakThemes.h"
#include "WrapButton.h"
#include "frmMain.h"
#include "frmNewGame.h"
#include "frmRules.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int kLargest = 300;

// Keeps a timer active, as the game left it, but never lets it fire on its
// own: the bot calls the tick handlers itself, so a run does not depend on
// how fast the machine is.
class TimerHold final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Timer; }
};

// Answers a player may give at the name prompt; nothing is a cancelled prompt.
const std::optional<std::string> kNames[] = {
    std::string(),
    std::nullopt,
    std::string("Quentin Abernathy-Smythe!"),  // 25 characters
    std::string(200, 'W'),
    // The 25th character takes four bytes, two UTF-16 units.
    std::string("Zoë Ångström-Łukasiewicz🎲東京 ünïcødé"),
    std::string("  spaced out  "),
    std::string("1234"),
};

// A field of the new-game dialog as a player may get it wrong.
const char* const kOddTexts[] = {"", "abc", "0", "2", "-5", "1001", "3.5", "1e9", " 12 ", "½"};

long StatusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return 0;
}

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool UnderAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

}  // namespace

Watchdog::Watchdog(int seconds) : m_seconds(seconds), m_beatMs(NowMs())
{
    m_thread = std::thread([this] {
        std::unique_lock lock(m_mutex);
        while (!m_wake.wait_for(lock, std::chrono::seconds(1), [this] { return m_stop; })) {
            const int64_t quiet = NowMs() - m_beatMs.load();
            if (quiet <= int64_t{m_seconds} * 1000)
                continue;
            std::fprintf(stderr, "soak: FAIL: watchdog: step %lld (%s) has not finished after %d s\n",
                         static_cast<long long>(m_step.load()), m_action.load(), m_seconds);
            std::fflush(stderr);
            ::_exit(3);
        }
    });
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void Watchdog::Beat(int64_t step, const char* action)
{
    m_step = step;
    m_action = action;
    m_beatMs = NowMs();
}

SoakBot::SoakBot(const SoakOptions& options)
    : m_options(options),
      m_random(options.seed),
      m_nameRandom(options.seed),
      // A player's folders may have any name.
      m_folder(QDir::tempPath() + QStringLiteral("/tolmora soak Zoë-XXXXXX")),
      m_audio(createAudioBackend()),
      m_sound(*m_audio),
      m_boardRandom(options.seed),
      m_watchdog(options.stepTimeoutSeconds)
{
}

SoakBot::~SoakBot() = default;

int SoakBot::Run()
{
    m_clock.start();
    const std::filesystem::path folder = m_folder.path().toStdString();
    m_themes = WriteSoakThemes(TOLMORA_THEMES_DIR, folder, m_random);

    // A table from an earlier run, best first, so the first game over has
    // entries to pass.
    SettingsWrite earlier{"", 16, 11, 120, false, {}};
    earlier.table.StrHighNames = {"Ada", "Zoë", "", "Bo"};
    earlier.table.LngHighScores = {900, 450, 120, 40};
    std::ofstream(folder / DiskSettingsStore::kFileName, std::ios::binary) << WriteSettingsText(earlier);

    m_store = std::make_unique<DiskSettingsStore>(folder, nullptr, nullptr);
    m_settings = std::make_unique<SettingsWatch>(m_store->filePath());
    m_window = std::make_unique<frmMain>(
        frmMainServices{m_sound, m_boardRandom, m_messages, m_input, m_files, *m_store, folder, nullptr, &m_recordings});
    m_input.onAsk = [this] {
        ++m_names;
        m_input.answers.push_back(kNames[m_nameRandom() % std::size(kNames)]);
    };
    m_window->Form_Load();
    auto* hold = new TimerHold(m_window.get());
    FindControl<QTimer>(*m_window, "timSec")->installEventFilter(hold);
    FindControl<QTimer>(*m_window, "timGameOver")->installEventFilter(hold);
    if (const std::string fault = m_settings->Check(m_window->game()); !fault.empty())
        Fail("after start-up: " + fault);

    QTimer modals;
    connect(&modals, &QTimer::timeout, this, &SoakBot::WatchForModals);
    modals.start(100);
    QEventLoop loop;
    QTimer stepper;
    connect(&stepper, &QTimer::timeout, this, [&] {
        if (!Step())
            loop.quit();
    });
    stepper.start(0);
    loop.exec();
    stepper.stop();

    // The Rules window has no owner: nothing else would delete it.
    delete m_rules;
    if (m_failure.empty()) {
        m_actionName = "closing the window";
        m_watchdog.Beat(m_step, m_actionName);
        m_window->close();
        if (const std::string fault = m_settings->Check(m_window->game()); !fault.empty())
            Fail(fault);
    }
    if (m_failure.empty())
        CheckRecordings();
    Report(m_clock.elapsed() / 1000.0);
    return m_failure.empty() && MemoryFlat().value_or(true) ? 0 : 1;
}

// Whether the last window's peak stays within the tolerance of the first's;
// nothing with fewer than two windows, or under AddressSanitizer, whose
// quarantine holds freed memory back on purpose.
std::optional<bool> SoakBot::MemoryFlat() const
{
    if (m_windows.size() < 2 || UnderAddressSanitizer())
        return std::nullopt;
    return m_windows.back().peakKb <= m_windows.front().peakKb * (1 + m_options.memoryTolerance);
}

bool SoakBot::Step()
{
    if (!m_failure.empty())
        return false;
    const bool windowOpens = m_step % m_options.windowSteps == 0;
    if (windowOpens) {
        CloseMemoryWindow();
        if (m_finalWindow || (m_options.minutes <= 0 && m_step + m_options.windowSteps > m_options.steps))
            return false;
        OpenMemoryWindow();
    }

    const Action action = windowOpens ? Action::LargestGame : Choose();
    static const char* const names[] = {"click on a brick", "click anywhere", "press on the board, release elsewhere",
                                        "fill button", "clock ticks", "clock runs out", "pause", "mute",
                                        "high scores", "new game", "theme", "about", "rules", "new 300x300 game"};
    m_actionName = names[static_cast<int>(action)];
    m_watchdog.Beat(m_step, m_actionName);

    const PanelSnapshot before = TakeSnapshot(*m_window);
    const bool wasOver = m_window->game().gameOver();
    StepFacts facts;
    try {
        facts = Perform(action);
    } catch (const std::exception& error) {
        Fail(std::string("an exception left the game: ") + error.what());
    }
    if (facts.newGame)
        ++m_gamesStarted;
    if (!wasOver && m_window->game().gameOver())
        ++m_gamesOver;
    // The scripted services remember every call; a long run keeps none.
    m_messages.shown.clear();
    m_input.asked.clear();
    m_files.startFolders.clear();

    std::string fault = CheckGame(*m_window, before, facts);
    if (fault.empty())
        fault = m_settings->Check(m_window->game());
    if (!fault.empty())
        Fail(fault);
    if (m_openWindow)
        m_openWindow->peakKb = std::max(m_openWindow->peakKb, StatusKb("VmRSS"));
    ++m_step;
    return m_failure.empty();
}

SoakBot::Action SoakBot::Choose()
{
    const GameFlow& game = m_window->game();
    const bool over = game.gameOver();
    const bool paused = !game.snapshot().boardShown;
    // A player mostly clicks bricks, lets the clock run, and starts a new
    // game soon after one ends.
    const std::pair<Action, int> weights[] = {
        {Action::ClickBrick, 50}, {Action::ClickAnywhere, 6}, {Action::DragOff, 4},
        {Action::Fill, 3}, {Action::Ticks, 14}, {Action::RunOut, 1},
        {Action::Pause, paused ? 20 : 4}, {Action::Mute, 2}, {Action::HighScores, 3},
        {Action::NewGame, over ? 40 : 3}, {Action::Theme, 2}, {Action::About, 1},
        {Action::Rules, 1},
    };
    int total = 0;
    for (const auto& [action, weight] : weights)
        total += weight;
    int pick = Between(0, total - 1);
    for (const auto& [action, weight] : weights) {
        if (pick < weight)
            return action;
        pick -= weight;
    }
    return Action::ClickBrick;
}

StepFacts SoakBot::Perform(Action action)
{
    frmMain& window = *m_window;
    const QRect client = window.centralWidget()->geometry();
    // Anywhere below the menu bar.
    const auto anywhere = [&] {
        return QPoint(Between(client.left(), client.right()), Between(client.top(), client.bottom()));
    };
    StepFacts facts;
    switch (action) {
    case Action::ClickBrick:
        return ClickBrick();
    case Action::ClickAnywhere: {
        const QPoint at = anywhere();
        return Click(at, at, AnyButton());
    }
    case Action::DragOff: {
        const QRect shown = FindControl<QWidget>(window, "PicMainInterior")->rect();
        const QPoint press = FindControl<QWidget>(window, "PicMainInterior")->mapTo(
            &window, QPoint(Between(0, shown.width() - 1), Between(0, shown.height() - 1)));
        return Click(press, anywhere(), AnyButton());
    }
    case Action::Fill: {
        // A window as low as a three-row board cuts the side panel off
        // above the button: then there is nothing to press.
        const QPoint at = FindControl<WrapButton>(window, "cmdFillSpace")->mapTo(&window, FindControl<WrapButton>(window, "cmdFillSpace")->rect().center());
        return window.rect().contains(at) ? Click(at, at, Qt::LeftButton) : facts;
    }
    case Action::Ticks:
        Ticks(Between(1, 30), facts);
        return facts;
    case Action::RunOut:
        Ticks(20000, facts);
        return facts;
    case Action::Pause:
        FindControl<QAction>(window, "MnuFilePause")->trigger();
        return facts;
    case Action::Mute:
        FindControl<QAction>(window, "MnuMute")->trigger();
        return facts;
    case Action::HighScores:
        FindControl<QAction>(window, "MnuHeighScores")->trigger();
        return facts;
    case Action::NewGame:
        return NewGame(false);
    case Action::LargestGame:
        // Every window opens alike: the game running, with sound, no Rules.
        if (window.game().snapshot().run == RunState::Paused)
            FindControl<QAction>(window, "MnuFilePause")->trigger();
        if (window.game().snapshot().muted)
            FindControl<QAction>(window, "MnuMute")->trigger();
        if (m_rules)
            m_rules->close();
        return NewGame(true);
    case Action::Theme:
        m_files.answer = m_themes[Between(0, static_cast<int>(m_themes.size()) - 1)];
        FindControl<QAction>(window, "MnuTheme")->trigger();
        return facts;
    case Action::About:
        OpenAbout();
        return facts;
    case Action::Rules:
        ToggleRules();
        return facts;
    }
    return facts;
}

Qt::MouseButton SoakBot::AnyButton()
{
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton,
                                              Qt::ForwardButton};
    return Chance(0.6) ? Qt::LeftButton : buttons[Between(1, std::size(buttons) - 1)];
}

// Press and release as a player's mouse delivers them, at window points.
// The release acts on the board only when the press landed on it while it
// takes clicks; then it names the cell under the release.
StepFacts SoakBot::Click(QPoint press, QPoint release, Qt::MouseButton button)
{
    frmMain& window = *m_window;
    const GameBoard& board = window.game().board;
    StepFacts facts;
    const BoardSurface* surface = FindControl<BoardSurface>(window, "PicMap");
    if (window.childAt(press) == surface && surface->isEnabled() && surface->isVisible()) {
        const QPoint local = surface->mapFrom(&window, release);
        if (const auto cell = window.boardGeometry().cellAt(local))
            facts.clickedBrick = !BrickColors::IsEmpty(board.bricks().ItemByXY(cell->x, cell->y)->StrColor);
    }
    QTest::mousePress(window.windowHandle(), button, {}, press);
    QTest::mouseRelease(window.windowHandle(), button, {}, release);
    return facts;
}

StepFacts SoakBot::ClickBrick()
{
    GameBoard& board = m_window->game().board;
    CellCoord cell{Between(0, board.GameWidth), Between(0, board.GameHeight)};
    // Half the time the second click of the two that remove a group.
    if (board.LngSelected > 0 && Chance(0.5)) {
        int seen = 0;
        for (const Brick& brick : board.bricks())
            if (brick.BlnHighLighted && Between(0, seen++) == 0)
                cell = {brick.LngX, brick.LngY};
    }
    const QRect pixels = m_window->boardGeometry().cellRect(cell);
    const QPoint at = ScrolledInto(pixels.topLeft() + QPoint(Between(0, pixels.width() - 1), Between(0, pixels.height() - 1)));
    return m_window->rect().contains(at) ? Click(at, at, AnyButton()) : StepFacts{};
}

// Moves the scroll bars so the board point shows, as a player would before
// clicking it, and returns where it now is in the window.
QPoint SoakBot::ScrolledInto(QPoint boardPoint)
{
    frmMain& window = *m_window;
    const QSize view = FindControl<QWidget>(window, "PicMainInterior")->size();
    // A new game puts the board back at 0,0 while the bars keep their
    // values: a bar already at the wanted value is moved off it and back.
    const auto scroll = [](QScrollBar* bar, int value) {
        if (!bar->isVisible())
            return;
        value = std::clamp(value, bar->minimum(), bar->maximum());
        if (bar->value() == value)
            bar->setValue(value == bar->minimum() ? value + 1 : value - 1);
        bar->setValue(value);
    };
    scroll(FindControl<QScrollBar>(window, "HSWidth"), boardPoint.x() - view.width() / 2);
    scroll(FindControl<QScrollBar>(window, "VSHeight"), boardPoint.y() - view.height() / 2);
    return FindControl<BoardSurface>(window, "PicMap")->mapTo(&window, boardPoint);
}

void SoakBot::Ticks(int count, StepFacts& facts)
{
    frmMain& window = *m_window;
    for (int i = 0; i < count && FindControl<QTimer>(window, "timSec")->isActive(); ++i) {
        window.timSec_Timer();
        facts.ticked = true;
    }
    for (int i = Between(0, 3); i > 0 && FindControl<QTimer>(window, "timGameOver")->isActive(); --i)
        window.timGameOver_Timer();
}

// New Game from the menu: confirmed or not, then the dialog's fields set,
// sometimes wrongly, and Start, Reset Defaults or a close.
StepFacts SoakBot::NewGame(bool largest)
{
    frmMain& window = *m_window;
    StepFacts facts;
    const bool confirm = largest || Chance(0.9);
    m_messages.answers = {confirm ? MessageAnswer::Yes : MessageAnswer::No};
    FindControl<QAction>(window, "MnuFileNewGame")->trigger();
    frmNewGame* dialog = window.newGameDialog();
    if (!confirm)
        return facts;
    if (!dialog) {
        Fail("New Game was confirmed and no dialog opened");
        return facts;
    }
    if (!largest && Chance(0.08)) {
        dialog->close();
        return facts;
    }
    // Most boards are small, a few are as large as the game allows here.
    const auto size = [&] {
        const double u = std::uniform_real_distribution<double>(0, 1)(m_random);
        return QString::number(largest ? kLargest : 3 + static_cast<int>(u * u * (kLargest - 3)));
    };
    const double u = std::uniform_real_distribution<double>(0, 1)(m_random);
    dialog->txtGameWidth->setText(size());
    dialog->txtGameHeight->setText(size());
    dialog->txtGameTime->setText(QString::number(1 + static_cast<int>(u * u * 299)));
    if (!largest && Chance(0.08))
        dialog->Command1->click();
    if (!largest && Chance(0.08)) {
        QLineEdit* fields[] = {dialog->txtGameWidth, dialog->txtGameHeight, dialog->txtGameTime};
        fields[Between(0, 2)]->setText(QString::fromUtf8(kOddTexts[Between(0, std::size(kOddTexts) - 1)]));
    }
    dialog->cmdStart->click();
    facts.newGame = true;
    return facts;
}

// About is modal: it is closed by a left click from inside its own event
// loop, a moment after it opens.
void SoakBot::OpenAbout()
{
    m_expectingAbout = true;
    m_aboutSeen = false;
    QTimer::singleShot(0, this, [this] { CloseAbout(0); });
    FindControl<QAction>(*m_window, "MnuAbout")->trigger();
    m_expectingAbout = false;
    if (!m_aboutSeen)
        Fail("About did not open as a modal box");
}

void SoakBot::CloseAbout(int attempt)
{
    auto* about = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
    if (!about) {
        if (attempt < 50)
            QTimer::singleShot(10, this, [this, attempt] { CloseAbout(attempt + 1); });
        return;
    }
    m_aboutSeen = true;
    for (int i = Between(0, 40); i > 0; --i)
        about->timScroll_Timer();
    const QPoint at(Between(0, about->width() - 1), Between(0, about->height() - 1));
    QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, at);
    if (about->isVisible()) {
        about->close();
        Fail("the About box stayed open after a left click at " + std::to_string(at.x()) + "," +
             std::to_string(at.y()));
    }
}

void SoakBot::ToggleRules()
{
    if (m_rules) {
        m_rules->close();
        return;
    }
    FindControl<QAction>(*m_window, "MnuRules")->trigger();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* rules = qobject_cast<frmRules*>(widget); rules && rules->isVisible())
            m_rules = rules;
    if (!m_rules)
        Fail("Rules did not open");
    else if (Chance(0.5))
        m_rules->close();
}

void SoakBot::WatchForModals()
{
    // A right click on a scroll bar opens its context menu; a player
    // dismisses it.
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || (m_expectingAbout && qobject_cast<FrmAbout*>(modal)))
        return;
    Fail("a modal dialog opened: \"" + modal->windowTitle().toStdString() + "\"");
    modal->close();
}

void SoakBot::Fail(const std::string& fault)
{
    if (m_failure.empty())
        m_failure = "step " + std::to_string(m_step) + " (" + m_actionName + "): " + fault;
}

// Each window's peak is the kernel's high-water mark since the window
// opened, or the largest resident size seen after a step where the kernel
// cannot reset its mark.
void SoakBot::OpenMemoryWindow()
{
    // The last window plays the first one's actions again on the same
    // boards, so the two peaks measure the same work.
    m_finalWindow = m_step > 0 && (m_options.minutes > 0 ? m_clock.elapsed() >= m_options.minutes * 60000
                                                         : m_step + 2 * m_options.windowSteps > m_options.steps);
    if (m_step == 0 || m_finalWindow) {
        m_random.seed(m_options.seed);
        m_boardRandom = SeededRandomSource(m_options.seed);
    }
    // Free memory the allocator still holds would count as the window's
    // own; only what is in use carries over.
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    m_openWindow = MemoryWindow{m_step, m_step, StatusKb("VmRSS")};
}

void SoakBot::CloseMemoryWindow()
{
    if (!m_openWindow)
        return;
    m_openWindow->lastStep = m_step - 1;
    m_openWindow->peakKb = std::max(m_openWindow->peakKb, StatusKb("VmHWM"));
    m_windows.push_back(*m_openWindow);
    m_openWindow.reset();
    const MemoryWindow& closed = m_windows.back();
    std::printf("soak: steps %lld-%lld: peak RSS %ld kB, %.0f s\n", static_cast<long long>(closed.firstStep),
                static_cast<long long>(closed.lastStep), closed.peakKb, m_clock.elapsed() / 1000.0);
    std::fflush(stdout);
}

// Every game the run finished, played again from its recording alone.
void SoakBot::CheckRecordings()
{
    m_actionName = "replaying the recorded games";
    m_watchdog.Beat(m_step, m_actionName);
    ReplayFigures figures;
    if (const std::string fault = CheckReplays(m_recordings.encoded, figures); !fault.empty()) {
        Fail(fault);
        return;
    }
    std::printf("soak: %lld recorded games replayed as recorded: %lld board sizes, %lld with fills, %lld with "
                "pauses, %lld past level 1; %lld of %lld with their last removal moved off the board told apart\n",
                static_cast<long long>(figures.games), static_cast<long long>(figures.sizes),
                static_cast<long long>(figures.withFills), static_cast<long long>(figures.withPauses),
                static_cast<long long>(figures.withLevelUps), static_cast<long long>(figures.alteredCaught),
                static_cast<long long>(figures.altered));
    if (!m_options.replays)
        return;
    if (figures.games == 0 || figures.sizes < 2 || figures.withFills == 0 || figures.withPauses == 0 ||
        figures.withLevelUps == 0 || figures.altered == 0)
        Fail("the recorded games lack variety: each of several sizes, fills, pauses, level-ups and an "
             "alterable removal is wanted");
}

void SoakBot::Report(double seconds) const
{
    std::printf("soak: seed %llu, %lld steps, %lld games started, %lld games over, %lld names asked, "
                "%d writes of Settings.log, wall time %.1f s\n",
                static_cast<unsigned long long>(m_options.seed), static_cast<long long>(m_step),
                static_cast<long long>(m_gamesStarted), static_cast<long long>(m_gamesOver),
                static_cast<long long>(m_names), m_settings ? m_settings->writes() : 0, seconds);
    if (m_windows.size() >= 2) {
        const MemoryWindow& first = m_windows.front();
        const MemoryWindow& last = m_windows.back();
        const double growth = double(last.peakKb) / double(first.peakKb) - 1;
        const std::optional<bool> flat = MemoryFlat();
        const char* verdict = !flat ? "not judged under AddressSanitizer" : *flat ? "pass" : "FAIL";
        std::printf("soak: peak RSS steps %lld-%lld: %ld kB, steps %lld-%lld: %ld kB, %+.1f%% (limit %+.0f%%): %s\n",
                    static_cast<long long>(first.firstStep), static_cast<long long>(first.lastStep), first.peakKb,
                    static_cast<long long>(last.firstStep), static_cast<long long>(last.lastStep), last.peakKb,
                    growth * 100, m_options.memoryTolerance * 100, verdict);
    } else if (!m_windows.empty()) {
        std::printf("soak: peak RSS steps %lld-%lld: %ld kB (one window: no comparison)\n",
                    static_cast<long long>(m_windows.front().firstStep),
                    static_cast<long long>(m_windows.front().lastStep), m_windows.front().peakKb);
    }
    if (m_failure.empty())
        std::printf("soak: no invariant broken\n");
    else
        std::printf("soak: FAIL at %s (rerun with --seed %llu)\n", m_failure.c_str(),
                    static_cast<unsigned long long>(m_options.seed));
    std::fflush(stdout);
}
