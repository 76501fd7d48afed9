#include "CommandLine.h"

#include <gtest/gtest.h>

namespace {

struct LineCase {
    QStringList arguments;  // after the program's name
    std::optional<int> exitStatus;
    std::optional<uint32_t> boardNumber;
    const char* said;  // on standard output for status 0, standard error otherwise
    bool daily = false;
};

const QString kDigits = QString(10000, u'9');

// The command line is judged whole before the toolkit starts: help and version end the program with 0, a board
// number is taken whole or refused with 2, the toolkit's own options are known by name and left to it (a missing
// value refused), anything else is a mistake, and a long mistake is quoted only in part.
TEST(CommandLineOptions, EachOptionAndEachMistake)
{
    const LineCase cases[] = {
        {{}, {}, {}, ""},
        {{"--help"}, 0, {}, "--board-number <N>"},
        {{"-h"}, 0, {}, "Usage: tolmora [options]"},
        {{"--help-all"}, 0, {}, "--platform <platformName[:options]>"},
        {{"--version"}, 0, {}, "Tolmora "},
        {{"--board-number", "4294967295"}, {}, 4294967295u, ""},
        {{"--help"}, 0, {}, "--daily"},
        {{"--daily"}, {}, {}, "", true},
        {{"--daily", "20261207"}, 2, {}, "unexpected argument '20261207'"},
        {{"--board-number=17"}, {}, 17u, ""},
        {{"--board-number", "4294967296"}, 2, {}, "\"4294967296\" is not a board number"},
        {{"--board-number"}, 2, {}, "Missing value after '--board-number'"},
        {{"--board-number", kDigits}, 2, {}, "\"9999999999999999999999999999999999999999...\" is not"},
        {{"--bogus"}, 2, {}, "Unknown option 'bogus'"},
        {{"-?"}, 2, {}, "Unknown option '?'"},
        {{"--" + kDigits}, 2, {}, "Unknown option '9999999999999999999999999999999999999999...'"},
        {{"-platform", "offscreen", "--board-number", "5"}, {}, 5u, ""},
        {{"--platform", "offscreen", "-style=fusion", "-reverse", "-display", ":0", "-qmljsdebugger=port:1"},
         {},
         {},
         ""},
        {{"-platform"}, 2, {}, "Missing value after '-platform'"},
        {{"-platform=xcb"}, 2, {}, "Unknown option"},
        {{"-qmljsdebugger", "port:1"}, 2, {}, "Unknown option"},
        {{"board.txt"}, 2, {}, "unexpected argument 'board.txt'"},
        {{"-style", "fusion", "--", "--help"}, 2, {}, "unexpected argument '--help'"},
    };
    for (const LineCase& c : cases) {
        const CommandLine line = ReadCommandLine(QStringList{"tolmora"} + c.arguments);
        const QString said = line.exitStatus.value_or(0) == 0 ? line.out : line.err;
        const std::string where = c.arguments.join(' ').left(60).toStdString();
        EXPECT_EQ(line.exitStatus, c.exitStatus) << where;
        EXPECT_EQ(line.boardNumber, c.boardNumber) << where;
        EXPECT_EQ(line.daily, c.daily) << where;
        EXPECT_TRUE(said.contains(QLatin1String(c.said))) << where << ": " << said.left(300).toStdString();
        if (line.exitStatus == 2) {
            EXPECT_TRUE(line.out.isEmpty()) << where;
            EXPECT_TRUE(line.err.endsWith("Try 'tolmora --help' for more information.\n")) << where;
            EXPECT_LT(line.err.size(), 200) << where;
        }
    }
}

// A game to watch is named by its id in the history or as the last one; anything else is refused with 2
// before the toolkit starts.
TEST(CommandLineOptions, ReplayTakesAnIdOrLast)
{
    const struct {
        QStringList arguments;
        std::optional<int> exitStatus;
        std::optional<int64_t> replay;
    } cases[] = {
        {{"--replay", "last"}, {}, CommandLine::kLastGame},
        {{"--replay=42"}, {}, 42},
        {{"--replay", "9223372036854775807"}, {}, INT64_MAX},
        {{"--replay", "0"}, 2, {}},
        {{"--replay", "-3"}, 2, {}},
        {{"--replay", "+3"}, 2, {}},
        {{"--replay", "Last"}, 2, {}},
        {{"--replay", "12x"}, 2, {}},
        {{"--replay"}, 2, {}},
    };
    for (const auto& c : cases) {
        const CommandLine line = ReadCommandLine(QStringList{"tolmora"} + c.arguments);
        const std::string where = c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.exitStatus, c.exitStatus) << where;
        EXPECT_EQ(line.replay, c.replay) << where;
        if (line.exitStatus == 2) {
            EXPECT_TRUE(line.err.contains("Try 'tolmora --help'")) << where;
        }
    }
}

}  // namespace
