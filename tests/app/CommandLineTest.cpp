#include "app/cli/CommandLine.h"
#include "core/RegionalSettings.h"
#include "tests/support/OperatingPoints.h"

#include <gtest/gtest.h>

namespace {

const QString ShippedIniFiles = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

struct TRun {
    int Code;
    QString Out;
    QString Err;
};

TRun RunCli(const QStringList& arguments) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = RunCommandLine(arguments, ShippedIniFiles, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

const QStringList SelectVamPoint = QStringList{"select"} + VamPoint;

QStringList WithHeat(const QString& heat) {
    return With(SelectVamPoint, "--heat", heat);
}

// Help is asked for where an option or a command's word stands; where a value stands, "-h" and
// "--help" are values, read like any other.
TEST(CommandLine, HelpWhereAnOptionStandsAndAValueWhereAValueStands) {
    const TScopedRegionalSettings regional(QLatin1Char('.'));
    const struct {
        const char* Name;
        QStringList Arguments;
        int Code;
        const char* OutStarts;
        const char* Err;
    } cases[] = {
        {"program help", {"--help"}, 0, "Usage: aircooler-cli COMMAND", ""},
        {"program help word", {"help"}, 0, "Usage: aircooler-cli COMMAND", ""},
        {"convert help", {"convert", "-h"}, 0, "Usage: aircooler-cli convert", ""},
        {"convert help where a unit stands",
         {"convert", "flow", "1", "--help"},
         0,
         "Usage: aircooler-cli convert",
         ""},
        {"convert value", {"convert", "temperature", "-h", "C", "F"}, 2, "", "temperature: -h ?\n"},
        {"select help",
         {"select", "--series", "VAM", "--help"},
         0,
         "Usage: aircooler-cli select",
         ""},
        {"select value", WithHeat("-h"), 2, "", "Cooling required: -h ?\n"},
        {"select value of a long option", WithHeat("--help"), 2, "",
         "Cooling required: --help ?\n"},
        {"demo help", {"demo", "--help"}, 0, "Usage: aircooler-cli demo", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TRun run = RunCli(c.Arguments);
        EXPECT_EQ(run.Code, c.Code);
        if (*c.OutStarts)
            EXPECT_TRUE(run.Out.startsWith(QString::fromUtf8(c.OutStarts)))
                << run.Out.toStdString();
        else
            EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, QString::fromUtf8(c.Err));
    }
}

TEST(CommandLine, WhatIsNotACommandIsRefusedWithTheUsage) {
    const struct {
        const char* Name;
        QStringList Arguments;
        const char* ErrStarts;
    } cases[] = {
        {"nothing", {}, "Usage: aircooler-cli COMMAND"},
        {"unknown command", {"size"}, "Unknown command \"size\"."},
        {"demo with an argument", {"demo", "--series"}, "Unknown argument \"--series\"."},
        // Control characters in what is quoted back are shown escaped, not sent to the screen.
        {"control characters",
         {QChar(0x1B) + QStringLiteral("[2J") + QChar(0)},
         "Unknown command \"\\x1b[2J\\x00\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TRun run = RunCli(c.Arguments);
        EXPECT_EQ(run.Code, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_TRUE(run.Err.startsWith(QString::fromUtf8(c.ErrStarts))) << run.Err.toStdString();
    }
}

} // namespace
