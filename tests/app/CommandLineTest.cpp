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
        {"select value", WithHeat("-h"), 2, "", "--heat: -h ?\n"},
        {"select value of a long option", WithHeat("--help"), 2, "", "--heat: --help ?\n"},
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

// On the command line a point is always a decimal sign, whatever the regional settings, and a
// comma before exactly three digits may be a thousands separator: such a value is refused with
// both readings, named as each command names a value it cannot read.
TEST(CommandLine, ACommaBeforeThreeDigitsIsRefusedAndAPointIsADecimalSign) {
    const QStringList heatLoad{"heatload", "--start-temp", "20", "--end-temp",
                               "52",       "--time",       "15", "--volume"};
    const struct {
        const char* Name;
        QStringList Arguments;
        int Code;
        const char* Out;
        const char* Err;
    } cases[] = {
        {"select", WithHeat("68,200"), 2, "", "--heat: 68,200 ? Write 68200 or 68.2\n"},
        {"select in Spanish", With(WithHeat("1,500"), "--language", "SPANISH"), 2, "",
         "--heat: 1,500 ? Introduzca 1500 o 1.5\n"},
        {"heatload", heatLoad + QStringList{"1,500"}, 2, "",
         "--volume: 1,500 ? Write 1500 or 1.5\n"},
        {"convert",
         {"convert", "heat", "-4,000", "kW", "W"},
         2,
         "",
         "heat: -4,000 ? Write -4000 or -4\n"},
        {"point", {"convert", "heat", "1.500", "kW", "W"}, 0, "1500 W\n", ""},
        {"leading zero", {"convert", "heat", "0,125", "kW", "W"}, 0, "125 W\n", ""},
        {"one decimal", {"convert", "heat", "12,5", "kW", "W"}, 0, "12500 W\n", ""},
        {"four decimals", {"convert", "heat", "1,5000", "kW", "W"}, 0, "1500 W\n", ""},
        {"whole", {"convert", "heat", "68200", "kW", "W"}, 0, "68200000 W\n", ""},
    };
    // Regional settings that group thousands with a comma (English) and with a point (German).
    for (const TRegionalSettings& settings :
         {TRegionalSettings{'.', QStringLiteral("dd/MM/yyyy"), ','},
          TRegionalSettings{',', QStringLiteral("dd.MM.yy"), '.'}}) {
        const TScopedRegionalSettings regional(settings);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Name) + " under a decimal " +
                         QString(settings.DecimalSeparator).toStdString());
            const TRun run = RunCli(c.Arguments);
            EXPECT_EQ(run.Code, c.Code);
            EXPECT_EQ(run.Out, QString::fromUtf8(c.Out));
            EXPECT_EQ(run.Err, QString::fromUtf8(c.Err));
        }
        // What the commands ran under is given back.
        EXPECT_EQ(Regional().GroupSeparator, settings.GroupSeparator);
    }
}

} // namespace
