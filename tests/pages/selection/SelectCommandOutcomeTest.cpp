// What aircooler-cli select tells when the page has no ordinary result: a missing oil flow, a
// flow far beyond every model, a result the window shows in red, a damaged data file.
#include "app/cli/SelectCommand.h"
#include "core/RegionalSettings.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString ShippedIniFiles = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

struct TRun {
    int Code;
    QString Out;
    QString Err;
};

TRun Select(const QStringList& arguments, const QString& iniFiles = ShippedIniFiles) {
    const TScopedRegionalSettings regional(QLatin1Char('.'));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = RunSelectCommand(arguments, iniFiles, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

QStringList Point(const QString& series, const QString& flow, const QString& heat = "10") {
    return {"--series", series,       "--oil", "ISO VG 46",  "--flow", flow,     "--max-oil-temp",
            "60",       "--air-temp", "30",    "--altitude", "0",      "--heat", heat};
}

TEST(SelectCommandOutcome, AMissingOilFlowIsToldWhy) {
    for (const char* series : {"VAM", "VDM", "VHM"}) {
        for (const char* flow : {"0", "-5", "0.005"}) {
            SCOPED_TRACE(std::string(series) + " " + flow);
            const TRun run = Select(Point(series, flow));
            EXPECT_EQ(run.Code, 1);
            EXPECT_EQ(run.Out, "");
            EXPECT_EQ(run.Err, QStringLiteral("No cooler is recommended! Please check some of the "
                                              "following input data.\nOil flow: ") +
                                   flow + QLatin1Char('\n'));
        }
    }
}

// Far beyond the flows the models were measured for, none can be evaluated: the user hears
// once that no cooler can be selected, in the language chosen, as for any other such duty.
TEST(SelectCommandOutcome, AFlowBeyondEveryModelIsToldOnceInEveryLanguage) {
    for (const char* language : {"ENGLISH", "GERMAN", "ITALIAN"}) {
        const TRun tooMuchHeat =
            Select(Point("VAM", "100", "700") << "--language" << QString::fromLatin1(language));
        ASSERT_EQ(tooMuchHeat.Code, 1);
        ASSERT_EQ(tooMuchHeat.Err.count('\n'), 1) << tooMuchHeat.Err.toStdString();
        for (const char* series : {"VAM", "VDM", "VHM"}) {
            for (const QStringList& flow : {QStringList{"2e5"}, QStringList{"1e9"},
                                            QStringList{"1e38", "--flow-unit", "US gpm"}}) {
                SCOPED_TRACE(std::string(language) + " " + series + " " +
                             flow.join(' ').toStdString());
                const TRun run =
                    Select(Point(series, flow.first())
                           << flow.mid(1) << "--language" << QString::fromLatin1(language));
                EXPECT_EQ(run.Code, 1);
                EXPECT_EQ(run.Out, "");
                EXPECT_EQ(run.Err, tooMuchHeat.Err);
            }
        }
    }
}

// The window shows the inlet oil temperature in red: the model reaches the cooling required
// only with oil hotter than the maximum.
const QStringList ShortModel{"--series",   "VHM", "--oil",          "ISO VG 22",
                             "--flow",     "50",  "--max-oil-temp", "60",
                             "--air-temp", "30",  "--altitude",     "0",
                             "--heat",     "10",  "--model",        "KVHM 200-1500"};

TEST(SelectCommandOutcome, ResultsShownInRedAreMarked) {
    const TRun text = Select(ShortModel);
    EXPECT_EQ(text.Code, 0);
    const QStringList lines = text.Out.split('\n');
    EXPECT_TRUE(lines.contains("! Inlet oil temperature   95 °C")) << text.Out.toStdString();
    EXPECT_EQ(lines.filter(QRegularExpression("^! ")).size(), 1);
    EXPECT_TRUE(
        lines.contains("  ! shown in red: the cooler falls short of the operating point here"));

    const TRun json = Select(QStringList(ShortModel) << "--json");
    const QJsonObject document = QJsonDocument::fromJson(json.Out.toUtf8()).object();
    EXPECT_EQ(document["highlighted"].toArray(), QJsonArray{"OilTempInStr"});
    EXPECT_EQ(document["results"].toObject()["OilTempInStr"].toString(), "95 °C");

    const TRun enough = Select(Point("VAM", "100", "20"));
    EXPECT_EQ(enough.Code, 0);
    EXPECT_FALSE(enough.Out.contains("!"));
    const TRun enoughJson = Select(Point("VAM", "100", "20") << "--json");
    EXPECT_EQ(QJsonDocument::fromJson(enoughJson.Out.toUtf8()).object()["highlighted"].toArray(),
              QJsonArray());
}

// A copy of the shipped data files with one value changed.
class DamagedData {
public:
    DamagedData(const QString& fileName, const QString& key, const QByteArray& value) {
        for (const QString& name : QDir(ShippedIniFiles).entryList(QDir::Files))
            QFile::copy(ShippedIniFiles + name, Dir.filePath(name));
        QFile file(Dir.filePath(fileName));
        file.open(QIODevice::ReadOnly);
        QByteArray bytes = file.readAll();
        file.close();
        const qsizetype at = bytes.indexOf('\n' + key.toLatin1() + '=') + 1;
        const qsizetype end = bytes.indexOf('\n', at);
        bytes.replace(at, end - at, value.isNull() ? QByteArray() : key.toLatin1() + '=' + value);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    QString Path() const { return Dir.path() + QLatin1Char('/'); }

private:
    QTemporaryDir Dir;
};

TEST(SelectCommandOutcome, ADamagedDataFileIsToldOnceWithoutAResult) {
    const struct {
        const char* Name;
        const char* Series;
        const char* File;
        const char* Key;
        QByteArray Value; // null: the key is removed
        QString Message;
    } cases[] = {
        {"huge air flow", "VDM", "CnfDcEur.ini", "AirFlow", "1e308",
         "'1e308' is outside the range of AirFlow (CnfDcEur.ini [VDM_100])"},
        {"negative noise", "VAM", "CnfAcEur.ini", "NoiseLevel", "-60",
         "'-60' is outside the range of NoiseLevel (CnfAcEur.ini [VAM2_100_4_A])"},
        {"missing flow of a system", "VCS", "CnfVcEur.ini", "MinFlow", QByteArray(),
         "'' is not a valid floating point value for MinFlow (CnfVcEur.ini [VCS2_150_4_D_A])"},
        {"huge cooling correction", "VAM", "IsoOils.ini", "CoolCorr", "1e5",
         "'1e5' is outside the range of CoolCorr (IsoOils.ini [ISO_VG_22])"},
        {"NUL byte", "VAM", "IsoOils.ini", "CoeffA", QByteArray("1\0002", 3),
         "'1\\x002' is not a valid floating point value for CoeffA (IsoOils.ini [ISO_VG_22])"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const DamagedData data(c.File, c.Key, c.Value);
        QStringList arguments = Point(c.Series, "40", "3");
        arguments[arguments.indexOf("ISO VG 46")] = "ISO VG 22";
        if (QString::fromLatin1(c.Series) == "VCS")
            arguments = arguments.mid(0, 4) + arguments.mid(6); // the pump's flow
        const TRun run = Select(arguments, data.Path());
        EXPECT_EQ(run.Code, 1);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, c.Message + QLatin1Char('\n'));
    }
}

} // namespace
