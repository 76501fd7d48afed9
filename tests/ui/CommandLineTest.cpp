#include "CommandLine.h"

#include <gtest/gtest.h>

namespace {

struct LineCase {
    QStringList arguments;  // after the program's name
    std::optional<int> exitStatus;
    std::optional<uint32_t> boardNumber;
    bool unknownOptions;
    const char* said;  // on standard output for status 0, standard error otherwise
};

// The command line: help and version end the program with 0, a board number is taken whole or refused with 2, an
// option we do not know is flagged for a second reading after the toolkit's, a stray argument is refused.
TEST(CommandLineOptions, EachOptionAndEachMistake)
{
    const LineCase cases[] = {
        {{}, {}, {}, false, ""},
        {{"--help"}, 0, {}, false, "--board-number <N>"},
        {{"-h"}, 0, {}, false, "Usage: tolmora [options]"},
        {{"--version"}, 0, {}, false, "Tolmora "},
        {{"--board-number", "4294967295"}, {}, 4294967295u, false, ""},
        {{"--board-number=17"}, {}, 17u, false, ""},
        {{"--board-number", "4294967296"}, 2, {}, false, "\"4294967296\" is not a board number"},
        {{"--board-number"}, 2, {}, false, "Missing value after '--board-number'"},
        {{"--bogus"}, 2, {}, true, "Unknown option 'bogus'"},
        {{"-platform", "offscreen"}, 2, {}, true, "Unknown option"},
        {{"board.txt"}, 2, {}, false, "unexpected argument 'board.txt'"},
    };
    for (const LineCase& c : cases) {
        const CommandLine line = ReadCommandLine(QStringList{"tolmora"} + c.arguments);
        const QString said = line.exitStatus.value_or(0) == 0 ? line.out : line.err;
        const QString where = c.arguments.join(' ');
        EXPECT_EQ(line.exitStatus, c.exitStatus) << where.toStdString();
        EXPECT_EQ(line.boardNumber, c.boardNumber) << where.toStdString();
        EXPECT_EQ(line.unknownOptions, c.unknownOptions) << where.toStdString();
        EXPECT_TRUE(said.contains(QLatin1String(c.said))) << where.toStdString() << ": " << said.toStdString();
        if (line.exitStatus == 2) {
            EXPECT_TRUE(line.out.isEmpty()) << where.toStdString();
            EXPECT_TRUE(line.err.endsWith("Try 'tolmora --help' for more information.\n")) << where.toStdString();
        }
    }
}

}  // namespace
