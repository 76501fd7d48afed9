// Tolmora: builds the real platform services and runs the main window.
#include "AudioBackendFactory.h"
#include "BackgroundHistory.h"
#include "CommandLine.h"
#include "GameHistory.h"
#include "IniPreferencesStore.h"
#include "ModSound.h"
#include "QtFileDialog.h"
#include "QtInputBox.h"
#include "QtMessageBox.h"
#include "RandomSource.h"
#include "SettingsStore.h"
#include "StartUpWarmUp.h"
#include "Translations.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>
#include <QInputDialog>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_signalPipe[2] = {-1, -1};

void OnQuitSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
    errno = saved;
}

// A prompt open when the game must quit: the name prompt takes the text
// typed so far, any other dialog answers as if closed (No, OK or Cancel).
void AnswerForQuit(QWidget* modal)
{
    if (auto* prompt = qobject_cast<QInputDialog*>(modal))
        prompt->accept();
    else
        modal->close();
}

// SIGTERM, SIGINT and SIGHUP close the window the normal way, so the
// settings and high scores are written as at any other exit. The handler
// only writes a byte; the event loop does the rest. Until the program ends,
// every prompt is answered as it opens (a game over may ask twice, and a
// failed write reports at exit), and the window closes once no prompt is
// open, so the routine that asked finishes before the file is written.
void CloseOnQuitSignals(frmMain& window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalPipe) != 0)
        return;
    auto* quitting = new QTimer(&window);
    quitting->setInterval(10);
    QObject::connect(quitting, &QTimer::timeout, &window, [&window, closing = false]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget())
            return AnswerForQuit(modal);
        // Queued, so that this timer is free to answer a prompt the close
        // itself opens (a timer never fires inside its own handler).
        if (!closing) {
            closing = true;
            QMetaObject::invokeMethod(&window, &QWidget::close, Qt::QueuedConnection);
        }
    });
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [quitting] {
        char bytes[16];
        while (::read(g_signalPipe[1], bytes, sizeof bytes) > 0) {
        }
        if (QWidget* modal = QApplication::activeModalWidget())
            AnswerForQuit(modal);
        quitting->start();
    });
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
// Prints what reading the command line had to say; true when the program
// ends here with `status`.
bool EndsHere(const CommandLine& line, int& status)
{
    std::fputs(line.out.toLocal8Bit().constData(), stdout);
    std::fputs(line.err.toLocal8Bit().constData(), stderr);
    status = line.exitStatus.value_or(0);
    return line.exitStatus.has_value();
}
}  // namespace

int main(int argc, char** argv)
{
    // The help, the version and every mistake need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Translations translations;
    const CommandLine line = ReadCommandLine(arguments, &translations);
    if (int status = 0; EndsHere(line, status))
        return status;

    // The X11 window class is "tolmora", the desktop entry's StartupWMClass.
    // Wayland has no class: the compositor finds the entry, and its icon, by
    // the app_id, which Qt takes from the desktop file name.
    QApplication::setApplicationName(QStringLiteral("tolmora"));
    QApplication::setDesktopFileName(QStringLiteral(TOLMORA_APP_ID));
    StartUpWarmUp warmUp;
    warmUp.startFonts();
    warmUp.checkSessionBus();
    QApplication app(argc, argv);
    translations.install();
    warmUp.startSessionBus();

    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    const std::unique_ptr<DeferredAudioBackend> audio = createDeferredAudioBackend();
    ModSound sound(*audio);
    SeededRandomSource random(ClockSeed());
    QtMessageBox messages;
    QtInputBox input;
    QtFileDialog files;
    DiskSettingsStore settings(programFolder);
    IniPreferencesStore preferences(settings.filePath().parent_path(), &messages);
    // Pending games get a last try when it goes, after the window.
    BackgroundHistory history(DefaultHistoryFolder());

    frmMain window({sound, random, messages, input, files, settings, programFolder, &preferences, &history, &history});
    messages.setOwner(&window);
    input.setOwner(&window);
    files.setOwner(&window);
    CloseOnQuitSignals(window);
    // The game ends with its main window, even while the rules stay open.
    QObject::connect(&window, &frmMain::unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    // The game to watch is looked up before any window shows: one the
    // history does not hold is a mistake on the command line.
    std::optional<GameRecording> replay;
    if (line.replay) {
        GameHistory reader(DefaultHistoryFolder());
        const std::optional<int64_t> id =
            *line.replay == CommandLine::kLastGame ? reader.LastRecordingId() : line.replay;
        if (id)
            replay = reader.Recording(*id);
        if (!replay) {
            const QString why = QCoreApplication::translate("CommandLine", "The history holds no recorded game %1.")
                                    .arg(*line.replay == CommandLine::kLastGame ? QStringLiteral("'last'")
                                                                                : QString::number(*line.replay));
            std::fputs(QStringLiteral("tolmora: %1\n").arg(why).toLocal8Bit().constData(), stderr);
            return 2;
        }
    }

    if (line.boardNumber)
        window.game().setFirstBoardNumber(*line.boardNumber);
    if (line.daily)
        window.game().setFirstGameDaily();
    window.Form_Load();
    if (replay)
        window.watchReplay(*replay, false);
    // What the first frame does not need waits until it is up: the icon
    // theme's lookup, and the audio device, which opens on its own thread.
    // A sound asked for before the device is open is not heard.
    QTimer::singleShot(0, &window, [&audio] {
        audio->Open();
        // The installed icon when there is one; otherwise our own red brick.
        QApplication::setWindowIcon(
            QIcon::fromTheme(QStringLiteral("tolmora"), QIcon(QStringLiteral(":/bricks/RED.bmp"))));
    });
    return app.exec();
}
