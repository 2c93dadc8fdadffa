#include "app/cli/ConvertCommand.h"
#include "core/RegionalSettings.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Result {
    int ExitCode;
    QString Out;
    QString Err;
};

Result Convert(const QStringList& arguments) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = RunConvertCommand(arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

TEST(ConvertCommand, ConvertsThroughTheBaseUnitWithTheTargetDecimals) {
    TScopedRegionalSettings regional(QLatin1Char('.'));
    const struct {
        QStringList Arguments;
        const char* Expected;
    } cases[] = {
        {{"flow", "10", "US gpm", "l/min"}, "37.8 l/min\n"},
        {{"flow", "1", "l/min", "m³/h"}, "0.060 m³/h\n"},
        {{"flow", "1", "l/min", "m3/h"}, "0.060 m³/h\n"}, // typed without the superscript
        {{"temperature", "0", "C", "F"}, "32 °F\n"},
        {{"temperature", "98,6", "°F", "°C"}, "37 °C\n"},
        {{"heat", "5000", "W", "kW"}, "5.00 kW\n"},
        {{"heat", "1", "kW", "BTU/h"}, "3412 Btu/hr\n"}, // heat-load page spelling accepted
        {{"capacity", "1", "Btu/lb°F", "KJ/Kg°K"}, "4.16 KJ/Kg°K\n"},
        {{"length", "4000", "m", "ft"}, "13123 ft\n"},
        {{"volume", "1", "US gal", "liter"}, "3.8 liter\n"},
        {{"density", "0.89", "kg/dm³", "lb/in³"}, "0.032 lb/in³\n"},
        {{"weight", "10", "kg", "lb"}, "22 lb\n"},
        {{"temperature", "-273.15", "C", "F"}, "-459.7 °F\n"}, // absolute zero itself
    };
    for (const auto& c : cases) {
        const Result r = Convert(c.Arguments);
        EXPECT_EQ(r.ExitCode, 0) << c.Arguments.join(' ').toStdString();
        EXPECT_EQ(r.Out, QString::fromUtf8(c.Expected)) << c.Arguments.join(' ').toStdString();
        EXPECT_TRUE(r.Err.isEmpty());
    }
}

TEST(ConvertCommand, WritesTheRegionalSeparator) {
    TScopedRegionalSettings regional(QLatin1Char(','));
    EXPECT_EQ(Convert({"flow", "2.5", "l/min", "l/min"}).Out, "2,50 l/min\n");
}

TEST(ConvertCommand, RefusesWhatItCannotRead) {
    const struct {
        QStringList Arguments;
        const char* ErrorContains;
    } cases[] = {
        {{"flow", "12;5", "US gpm", "l/min"}, "flow: 12;5 ?"},
        {{"pressure", "1", "bar", "psi"}, "Valid quantities: temperature, flow, heat"},
        {{"flow", "1", "gal/h", "l/min"}, "Valid units: \"m³/h\", \"l/min\""},
        {{"flow", "1", "l/min"}, "Usage: aircooler-cli convert"},
        // Results that no number can hold, and temperatures that do not exist.
        {{"flow", "1e38", "US gpm", "l/min"},
         "flow: 1e38 US gpm is too large to be written in l/min.\n"},
        {{"density", "3.4e38", "lb/in³", "lb/in³"},
         "density: 3.4e38 lb/in³ is too large to be written in lb/in³.\n"},
        {{"weight", "3e38", "kg", "lb"}, "weight: 3e38 kg is too large to be written in lb.\n"},
        {{"temperature", "-500", "C", "F"},
         "temperature: -500 °C is below absolute zero (-273.15 °C).\n"},
        {{"temperature", "-460", "F", "C"},
         "temperature: -460 °F is below absolute zero (-273.15 °C).\n"},
    };
    for (const auto& c : cases) {
        const Result r = Convert(c.Arguments);
        EXPECT_EQ(r.ExitCode, 2);
        EXPECT_TRUE(r.Out.isEmpty());
        EXPECT_TRUE(r.Err.contains(QString::fromUtf8(c.ErrorContains))) << r.Err.toStdString();
    }
}

TEST(CommandLineTool, ExitCodesAndStreamsOfTheProgram) {
    QProcess ok;
    ok.start(AIRCOOLER_CLI, {"convert", "flow", "10", "US gpm", "l/min"});
    ASSERT_TRUE(ok.waitForFinished(10000));
    EXPECT_EQ(ok.exitCode(), 0);
    EXPECT_TRUE(ok.readAllStandardOutput().endsWith(" l/min\n"));

    QProcess bad;
    bad.start(AIRCOOLER_CLI, {"convert", "temperature", "warm", "C", "F"});
    ASSERT_TRUE(bad.waitForFinished(10000));
    EXPECT_EQ(bad.exitCode(), 2);
    EXPECT_EQ(bad.readAllStandardError(), "temperature: warm ?\n");
    EXPECT_TRUE(bad.readAllStandardOutput().isEmpty());

    QProcess help;
    help.start(AIRCOOLER_CLI, {"--help"});
    ASSERT_TRUE(help.waitForFinished(10000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().contains("convert QUANTITY VALUE FROM TO"));
}

} // namespace
