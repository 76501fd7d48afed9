#include "CommandLine.h"

#include "BoardNumber.h"
#include "GameTexts.h"
#include "TolmoraVersion.h"
#include "Translations.h"

#include <QCommandLineParser>
#include <QRegularExpression>


namespace {

// The options the toolkit takes out of the command line itself, as its
// documentation lists them: those of every window system, the X11 ones
// (accepted whatever the platform, since the platform is only known once
// the toolkit runs) and the widget ones. Like the toolkit, one dash or two
// are both accepted; only those marked take "-name=value" too, and the
// debugger's option takes nothing else.
struct ToolkitOption {
    const char* name;
    const char* valueName;  // null for a switch
    const char* description;
    bool joinedValue = false;
    bool separateValue = true;
};

const ToolkitOption kToolkitOptions[] = {
    {"platform", "platformName[:options]", QT_TRANSLATE_NOOP("CommandLine", "The window system plugin (xcb, wayland, offscreen ...).")},
    {"platformpluginpath", "path", QT_TRANSLATE_NOOP("CommandLine", "Path to the platform plugins.")},
    {"platformtheme", "theme", QT_TRANSLATE_NOOP("CommandLine", "Platform theme.")},
    {"plugin", "plugin", QT_TRANSLATE_NOOP("CommandLine", "Additional plugins to load, can be given more than once.")},
    {"qwindowgeometry", "geometry", QT_TRANSLATE_NOOP("CommandLine", "Geometry of the main window, like 100x100+50+50.")},
    {"qwindowicon", "icon", QT_TRANSLATE_NOOP("CommandLine", "Default window icon.")},
    {"qwindowtitle", "title", QT_TRANSLATE_NOOP("CommandLine", "Title of the first window.")},
    {"reverse", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Lays the window out from right to left.")},
    {"session", "session", QT_TRANSLATE_NOOP("CommandLine", "Restores the program from an earlier session.")},
    {"style", "style", QT_TRANSLATE_NOOP("CommandLine", "The widget style."), true},
    {"stylesheet", "file", QT_TRANSLATE_NOOP("CommandLine", "A style sheet for the widgets."), true},
    {"widgetcount", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Reports the widgets left undestroyed at the end.")},
    {"testability", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Loads the testability library.")},
    {"qmljsdebugger", "value", QT_TRANSLATE_NOOP("CommandLine", "Starts the QML debugger (as -qmljsdebugger=value)."), true, false},
    {"display", "display", QT_TRANSLATE_NOOP("CommandLine", "X11 display name, overrides $DISPLAY.")},
    {"name", "name", QT_TRANSLATE_NOOP("CommandLine", "X11 instance name.")},
    {"geometry", "geometry", QT_TRANSLATE_NOOP("CommandLine", "X11 alias for -qwindowgeometry.")},
    {"icon", "icon", QT_TRANSLATE_NOOP("CommandLine", "X11 alias for -qwindowicon.")},
    {"title", "title", QT_TRANSLATE_NOOP("CommandLine", "X11 alias for -qwindowtitle.")},
    {"visual", "id", QT_TRANSLATE_NOOP("CommandLine", "ID of the X11 visual to use.")},
    {"nograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "X11: never grabs the mouse.")},
    {"dograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "X11: grabs the mouse even under a debugger.")},
};

// How many arguments from `at` on are a toolkit option with its value: 0
// when arguments[at] is none of the toolkit's. -1 when it is one, but its
// value is missing.
int ToolkitArgumentCount(const QStringList& arguments, qsizetype at)
{
    QString word = arguments[at];
    if (!word.startsWith(u'-') || word == QLatin1String("-") || word == QLatin1String("--"))
        return 0;
    word.remove(0, word.startsWith(QLatin1String("--")) ? 2 : 1);
    for (const ToolkitOption& option : kToolkitOptions) {
        const QLatin1String name(option.name);
        if (option.joinedValue && word.startsWith(name + u'='))
            return 1;
        if (word != name || !option.separateValue)
            continue;
        if (!option.valueName)
            return 1;
        return at + 1 < arguments.size() ? 2 : -1;
    }
    return 0;
}

// What a player typed, cut short when it is long, for a message that
// quotes it.
QString Quoted(const QString& text)
{
    constexpr qsizetype kShown = 40;
    return u'\'' + (text.size() > kShown ? text.left(kShown) + QStringLiteral("...") : text) + u'\'';
}

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments, const Translations* words)
{
    CommandLine line;
    const auto say = [words](const char* context, const char* source) {
        return words ? words->text(context, source) : QString::fromUtf8(source);
    };
    const auto fail = [&line, &say](const QString& why) {
        line.exitStatus = 2;
        line.err = QStringLiteral("tolmora: %1\n%2\n")
                       .arg(why, say("CommandLine", QT_TRANSLATE_NOOP("CommandLine",
                                                                       "Try 'tolmora --help' for more information.")));
        return line;
    };

    // The toolkit's options and their values are set aside; a missing value
    // is our mistake to report, since the toolkit would drop it silently.
    // After "--" everything is ours (and a mistake).
    QStringList ours = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--")) {
            ours << arguments.mid(i);
            break;
        }
        const int taken = ToolkitArgumentCount(arguments, i);
        if (taken < 0)
            return fail(say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Missing value after %1."))
                            .arg(Quoted(arguments[i])));
        if (taken == 0)
            ours << arguments[i];
        else
            i += taken - 1;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(
        say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Tolmora, a puzzle game against the clock.")));
    // The toolkit's own help and version options and headings, worded as the
    // toolkit words them, in the player's language: the parser itself can
    // only translate once the application exists.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Displays help on commandline options.")));
    const QCommandLineOption helpAll(QStringLiteral("help-all"),
                                     say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Displays help including Qt specific options.")));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Displays version information.")));
    parser.addOptions({help, helpAll, version});
    const QCommandLineOption boardNumber(
        QStringLiteral("board-number"),
        say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Plays board number <N> (0 to 4294967295) first.")),
        QStringLiteral("N"));
    parser.addOption(boardNumber);
    const QCommandLineOption daily(
        QStringLiteral("daily"),
        say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Plays today's daily board first (17 x 12, 2 minutes).")));
    parser.addOption(daily);
    const QCommandLineOption replay(
        QStringLiteral("replay"),
        say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Watches game <ID> from the history again, or the last one.")),
        QStringLiteral("ID|last"));
    parser.addOption(replay);

    if (!parser.parse(ours)) {
        // The parser quotes an unknown option whole; a very long one is cut.
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
            return fail(
                say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Unknown option %1.")).arg(Quoted(unknown.constFirst())));
        return fail(parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(helpAll)) {
        if (parser.isSet(helpAll)) {
            for (const ToolkitOption& option : kToolkitOptions) {
                QCommandLineOption listed(QLatin1String(option.name), say("CommandLine", option.description));
                if (option.valueName)
                    listed.setValueName(QLatin1String(option.valueName));
                parser.addOption(listed);
            }
        }
        line.exitStatus = 0;
        // The program's name as a player types it, however it was started.
        const QString usage = QStringLiteral("tolmora ") + say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "[options]"));
        line.out = parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: \\S+ \\[options\\]")),
                                             say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Usage: %1")).arg(usage));
        line.out.replace(QRegularExpression(QStringLiteral("^Options:$"), QRegularExpression::MultilineOption),
                         say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Options:")));
        return line;
    }
    if (parser.isSet(version)) {
        line.exitStatus = 0;
        line.out = QStringLiteral("Tolmora %1.%2.%3\n")
                       .arg(TolmoraVersion::Major)
                       .arg(TolmoraVersion::Minor)
                       .arg(TolmoraVersion::Revision);
        return line;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "unexpected argument %1."))
                        .arg(Quoted(parser.positionalArguments().constFirst())));
    if (parser.isSet(boardNumber)) {
        const QString text = parser.value(boardNumber);
        line.boardNumber = ParseBoardNumber(text.toStdString());
        if (!line.boardNumber)
            return fail(Filled(say("Tolmora", NotABoardNumberMessage(text.toStdString()).pattern),
                               NotABoardNumberMessage(text.toStdString())));
    }
    line.daily = parser.isSet(daily);
    if (parser.isSet(replay)) {
        const QString text = parser.value(replay);
        bool number = false;
        const qlonglong id = text.toLongLong(&number);
        if (text == QLatin1String("last"))
            line.replay = CommandLine::kLastGame;
        else if (number && id > 0 && !text.startsWith(QLatin1Char('+')))
            line.replay = id;
        else
            return fail(say("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "%1 is not a game of the history."))
                            .arg(Quoted(text)));
    }
    return line;
}
