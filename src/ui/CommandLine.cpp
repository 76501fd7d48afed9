#include "CommandLine.h"

#include "BoardNumber.h"
#include "TolmoraVersion.h"

#include <QCommandLineParser>
#include <QRegularExpression>

CommandLine ReadCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tolmora, a puzzle game against the clock."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption boardNumber(QStringLiteral("board-number"),
                                         QStringLiteral("Plays board number <N> (0 to 4294967295) first."),
                                         QStringLiteral("N"));
    parser.addOption(boardNumber);

    CommandLine line;
    const auto fail = [&line](const QString& why) {
        line.exitStatus = 2;
        line.err = QStringLiteral("tolmora: %1\nTry 'tolmora --help' for more information.\n").arg(why);
        return line;
    };
    if (!parser.parse(arguments)) {
        line.unknownOptions = !parser.unknownOptionNames().isEmpty();
        return fail(parser.errorText());
    }
    if (parser.isSet(help)) {
        line.exitStatus = 0;
        // The program's name as a player types it, however it was started.
        line.out = parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                                             QStringLiteral("Usage: tolmora"));
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
        return fail(QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(boardNumber)) {
        const QString text = parser.value(boardNumber);
        line.boardNumber = ParseBoardNumber(text.toStdString());
        if (!line.boardNumber)
            return fail(QString::fromStdString(NotABoardNumberMessage(text.toStdString())));
    }
    return line;
}
