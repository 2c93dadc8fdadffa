#include "tests/support/OperatingPoints.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

namespace {

struct TRun {
    int Code;
    QByteArray Out;
    QString Err;
};

// The command-line tool as a user runs it: the diagram is drawn by a program of its own.
TRun Cli(const QStringList& arguments) {
    QProcess program;
    program.start(AIRCOOLER_CLI, arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    return {program.exitCode(), program.readAllStandardOutput(),
            QString::fromUtf8(program.readAllStandardError())};
}

// The platform's own notes (a missing runtime directory) are no words of the command.
QString CommandWords(const QString& err) {
    QStringList lines = err.split('\n', Qt::SkipEmptyParts);
    lines.removeIf([](const QString& line) { return line.startsWith("QStandardPaths:"); });
    return lines.join('\n');
}

QJsonObject Json(const QByteArray& out) {
    return QJsonDocument::fromJson(out).object();
}

// The specific dissipation of a model's curve at exactly the flow, NaN when it does not reach it.
double At(const QJsonObject& model, double flow) {
    for (const QJsonValue& point : model["points"].toArray()) {
        if (point[0].toDouble() == flow)
            return point[1].toDouble();
    }
    return std::nan("");
}

QJsonObject ModelNamed(const QJsonObject& diagram, const QString& name) {
    for (const QJsonValue& model : diagram["models"].toArray()) {
        if (model["model"].toString() == name)
            return model.toObject();
    }
    ADD_FAILURE() << "no curve for " << name.toStdString();
    return {};
}

TEST(DiagramCommand, JsonShowsTheCandidatesOfTheSelectionAroundTheOperatingPoint) {
    const QJsonObject selection = Json(Cli(QStringList{"select"} << VamPoint << "--json").Out);
    const TRun run = Cli(QStringList{"diagram"} << VamPoint << "--json");
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_EQ(CommandWords(run.Err), "");
    const QJsonObject diagram = Json(run.Out);
    EXPECT_EQ(diagram.keys(), (QStringList{"flowUnit", "models", "operatingPoint"}));
    EXPECT_EQ(diagram["flowUnit"].toString(), "l/min");
    const QJsonObject point = diagram["operatingPoint"].toObject();
    EXPECT_EQ(point["flow"].toDouble(), 100);
    EXPECT_DOUBLE_EQ(point["specificDissipation"].toDouble(), 20.0 / 30);

    // The candidates of select, smallest first; select's model is the chosen one.
    QStringList models;
    QStringList chosen;
    for (const QJsonValue& model : diagram["models"].toArray()) {
        models << model["model"].toString();
        if (model["chosen"].toBool())
            chosen << model["model"].toString();
        for (const QJsonValue& each : model["points"].toArray()) {
            EXPECT_TRUE(each[0].isDouble() && each[1].isDouble());
            EXPECT_GT(each[1].toDouble(), 0);
        }
    }
    EXPECT_EQ(models, (QStringList{"KVAM 300-B", "KVAM 350-B", "KVAM 400-B"}));
    EXPECT_EQ(chosen, QStringList{selection["model"].toString()});
    const double required = point["specificDissipation"].toDouble();
    EXPECT_GE(At(ModelNamed(diagram, "KVAM 350-B"), 100), required);
    EXPECT_LT(At(ModelNamed(diagram, "KVAM 300-B"), 100), required);
}

TEST(DiagramCommand, FollowsTheUnitsThePickedCandidateAndTheSeries) {
    const QStringList gallonsPoint = With(
        With(With(VamPoint, "--flow", "26.42"), "--flow-unit", "US gpm"), "--model", "KVAM 300-B");
    const QJsonObject gallons = Json(Cli(QStringList{"diagram"} << gallonsPoint << "--json").Out);
    EXPECT_EQ(gallons["flowUnit"].toString(), "US gpm");
    EXPECT_NEAR(gallons["operatingPoint"]["flow"].toDouble(), 26.42, 1e-4);
    EXPECT_TRUE(ModelNamed(gallons, "KVAM 300-B")["chosen"].toBool());
    EXPECT_FALSE(ModelNamed(gallons, "KVAM 350-B")["chosen"].toBool());

    // Each cooling system is the one point of its pump's flow.
    const QJsonObject systems =
        Json(Cli({"diagram", "--series", "VCS", "--oil", "ISO VG 46", "--max-oil-temp", "60",
                  "--air-temp", "30", "--altitude", "0", "--heat", "16", "--json"})
                 .Out);
    const QJsonArray models = systems["models"].toArray();
    ASSERT_FALSE(models.isEmpty());
    for (const QJsonValue& model : models)
        EXPECT_EQ(model["points"].toArray().size(), 1) << model["model"].toString().toStdString();
    EXPECT_EQ(systems["operatingPoint"]["flow"].toDouble(), 55); // KVCS 250-D-A's pump
}

TEST(DiagramCommand, WritesSvgAndPngPictures) {
    QTemporaryDir dir;
    const QString svg = dir.filePath("diagram.svg");
    const QString png = dir.filePath("diagram.PNG");
    ASSERT_EQ(Cli(QStringList{"diagram"} << VamPoint << "--out" << svg).Code, 0);
    ASSERT_EQ(Cli(QStringList{"diagram"} << VamPoint << ("--out=" + png)).Code, 0);

    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgText = svgFile.readAll();
    EXPECT_TRUE(svgText.startsWith("<?xml"));
    EXPECT_TRUE(svgText.contains("<svg"));
    EXPECT_TRUE(svgText.contains("KVAM 350-B"));

    QFile pngFile(png);
    ASSERT_TRUE(pngFile.open(QIODevice::ReadOnly));
    const QByteArray pngBytes = pngFile.readAll();
    ASSERT_GT(pngBytes.size(), 24);
    EXPECT_TRUE(pngBytes.startsWith("\x89PNG\r\n\x1a\n"));
    // The picture's width and height, big-endian in the header chunk.
    EXPECT_EQ(pngBytes.mid(16, 8), QByteArray::fromHex("0000038400000230")); // 900 x 560
}

TEST(DiagramCommand, RefusesWhatItCannotDrawAndSaysWhy) {
    QTemporaryDir dir;
    const struct {
        const char* Name;
        QStringList More;
        int Code;
        QString Err;
    } cases[] = {
        {"NothingAsked", {}, 2, "Nothing to do: give --out FILE.svg"},
        {"OtherPicture", {"--out", dir.filePath("d.gif")}, 2, "--out names a picture"},
        {"NoCandidate", {"--model", "KVAM 100-A", "--json"}, 2, "\"KVAM 100-A\" is not among"},
        {"NoCooler", {"--heat", "500", "--out", dir.filePath("none.svg")}, 1, "No diagram"},
        {"Unwritable",
         {"--out", dir.filePath("missing/d.svg")},
         1,
         "Cannot write " + dir.filePath("missing/d.svg") + ": No such file or directory."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QStringList arguments = QStringList{"diagram"} << VamPoint;
        for (qsizetype i = 0; i < c.More.size(); i += 2)
            arguments = i + 1 < c.More.size() ? With(arguments, c.More[i], c.More[i + 1])
                                              : arguments << c.More[i];
        const TRun run = Cli(arguments);
        EXPECT_EQ(run.Code, c.Code);
        EXPECT_TRUE(run.Err.contains(c.Err)) << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("none.svg")));
    EXPECT_TRUE(Cli({"diagram", "--help"}).Out.contains("--out FILE"));
}

} // namespace
