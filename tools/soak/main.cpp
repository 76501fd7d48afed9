// tolmora_soak: plays the real main window for a number of steps or minutes
// with one seed and fails at the first broken invariant. See SoakBot.h.
#include "SoakBot.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

const char kUsage[] = "usage: tolmora_soak [--seed N] [--steps N | --minutes M] [--window-steps N] [--step-timeout S]\n"
                      "                    [--memory-tolerance PERCENT] [--replays]\n";

bool ParseOptions(int argc, char** argv, SoakOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--replays") {
            options.replays = true;
            continue;
        }
        if (i + 1 >= argc)
            return false;
        char* end = nullptr;
        const char* value = argv[++i];
        const double number = std::strtod(value, &end);
        if (end == value || *end != '\0' || number < 0)
            return false;
        if (name == "--seed")
            options.seed = std::strtoull(value, nullptr, 10);
        else if (name == "--steps")
            options.steps = static_cast<int64_t>(number);
        else if (name == "--minutes")
            options.minutes = number;
        else if (name == "--window-steps" && number >= 1)
            options.windowSteps = static_cast<int64_t>(number);
        else if (name == "--step-timeout" && number >= 1)
            options.stepTimeoutSeconds = static_cast<int>(number);
        else if (name == "--memory-tolerance")
            options.memoryTolerance = number / 100;
        else
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    SoakOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    // No display, no sound card: Qt's offscreen platform, SDL's silent
    // real-time driver, and a private runtime folder.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QTemporaryDir runtimeDir(QDir::tempPath() + "/tolmora-soak-runtime-XXXXXX");
    if (runtimeDir.isValid()) {
        chmod(runtimeDir.path().toLocal8Bit().constData(), 0700);
        setenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit().constData(), 1);
    }
    // The offscreen platform's notes on what it cannot do are no news.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            qt_message_output(type, context, message);
    });
    QApplication app(argc, argv);
    SoakBot bot(options);
    return bot.Run();
}
