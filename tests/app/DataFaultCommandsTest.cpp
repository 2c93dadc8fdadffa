// Damaged data files through every command that reads them, as the installed program runs: the
// installed layout copied to a folder of its own, one file damaged, each command run. Whatever
// the damage, the command ends normally with exit status 1 and a message that names the file
// (and the section, key and value where there are such); it never aborts nor shows a number.
#include "tests/support/DataFileEdits.h"
#include "tests/support/OperatingPoints.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

namespace {

// The installed layout: the two programs in bin/ and libexec/aircooler/, the data in
// share/aircooler/IniFiles/.
class TInstalledCopy {
public:
    TInstalledCopy() {
        Root = QFileInfo(Dir.path()).canonicalFilePath();
        IniFiles = Root + QStringLiteral("/share/aircooler/IniFiles/");
        Ready = Place(AIRCOOLER_CLI, "bin/aircooler-cli") &&
                Place(AIRCOOLER_DRAW, "libexec/aircooler/aircooler-draw") &&
                CopyDataFiles(QStringLiteral(AIRCOOLER_BUILD_DATA_DIR "/IniFiles"), IniFiles);
    }

    struct TRun {
        QProcess::ExitStatus Status;
        int Code;
        QString Output; // standard output and error together
    };

    TRun Run(const QStringList& arguments) const {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", "C.UTF-8");
        environment.insert("HOME", Root + QStringLiteral("/home"));
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("DISPLAY");
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(Root + QStringLiteral("/bin/aircooler-cli"), arguments);
        EXPECT_TRUE(program.waitForFinished(60000));
        return {program.exitStatus(), program.exitCode(),
                QString::fromUtf8(program.readAllStandardOutput())};
    }

    QString Root;
    QString IniFiles;
    bool Ready = false;

private:
    // A hard link where the file system allows one, otherwise a copy: the program finds its
    // data from where it was started.
    bool Place(const char* program, const char* where) const {
        const QString target = Root + QLatin1Char('/') + QLatin1String(where);
        if (!QDir().mkpath(QFileInfo(target).path()))
            return false;
        if (::link(program, QFile::encodeName(target).constData()) == 0)
            return true;
        return QFile::copy(QString::fromLocal8Bit(program), target);
    }

    QTemporaryDir Dir;
};

// The commands that read the files, each as a user would type it; the report is written into
// the copy.
enum TCommand { Models, Select, Report, Diagram, Demo, MotorTable, MotorTableJson, MotorTablePdf };

QStringList Arguments(TCommand command, const TInstalledCopy& copy) {
    switch (command) {
    case Models:
        return {"models", "--series", "VAM"};
    case Select:
        return QStringList{"select"} + VamPoint;
    case Report:
        return QStringList{"report"} + VamPoint + QStringList{"--out", copy.Root + "/report.pdf"};
    case Diagram:
        return QStringList{"diagram"} + VamPoint + QStringList{"--json"};
    case Demo:
        return {"demo"};
    case MotorTable:
        return {"motor-table"};
    case MotorTableJson:
        return {"motor-table", "--json"};
    case MotorTablePdf:
        return {"motor-table", "--pdf", copy.Root + "/motors.pdf"};
    }
    return {};
}

const QList<TCommand> Sizing{Select, Report, Diagram, Demo};
const QList<TCommand> CatalogueReaders{Models, Select, Report, Diagram, Demo};
const QList<TCommand> MotorDataReaders{MotorTable, MotorTableJson, MotorTablePdf};

// One damage: what is done to the data folder, what the user is told (%1 stands for the data
// folder, ending in a separator) and the commands that read the damaged file.
struct TDamage {
    const char* Name;
    std::function<bool(const QString& iniFiles)> Damage;
    const char* Message;
    QList<TCommand> Commands;
};

std::function<bool(const QString&)> Edit(const char* file, const char* section, const char* key,
                                         const char* value) {
    return [=](const QString& iniFiles) {
        return EditDataFile(iniFiles + QLatin1String(file), QLatin1String(section),
                            QLatin1String(key), value ? QString::fromUtf8(value) : QString());
    };
}

std::function<bool(const QString&)> Remove(const char* file) {
    return [=](const QString& iniFiles) { return QFile::remove(iniFiles + QLatin1String(file)); };
}

std::function<bool(const QString&)> Replace(const char* file, const QByteArray& bytes) {
    return [=](const QString& iniFiles) {
        QFile damaged(iniFiles + QLatin1String(file));
        return damaged.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               damaged.write(bytes) == bytes.size();
    };
}

// The motor-data file without the heading of its second variant.
bool WithoutSectionTwo(const QString& iniFiles) {
    QFile file(iniFiles + QStringLiteral("VDM_MD.INI"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    file.close();
    const qsizetype at = bytes.indexOf("[2]\r\n");
    if (at < 0)
        return false;
    bytes.remove(at, 5);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) > 0;
}

class DamagedData : public testing::TestWithParam<TDamage> {};

TEST_P(DamagedData, EveryCommandThatReadsItSaysWhatIsWrongWithExitOne) {
    const TDamage& c = GetParam();
    const TInstalledCopy copy;
    ASSERT_TRUE(copy.Ready);
    ASSERT_TRUE(c.Damage(copy.IniFiles));
    const QString message = QString::fromUtf8(c.Message).arg(copy.IniFiles);
    for (const TCommand command : c.Commands) {
        const QStringList arguments = Arguments(command, copy);
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const TInstalledCopy::TRun run = copy.Run(arguments);
        EXPECT_EQ(run.Status, QProcess::NormalExit);
        EXPECT_EQ(run.Code, 1);
        EXPECT_TRUE(run.Output.contains(message + QLatin1Char('\n'))) << run.Output.toStdString();
        EXPECT_FALSE(run.Output.contains("terminate")) << run.Output.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, DamagedData,
    testing::Values(
        TDamage{"NegativeWeight", Edit("CnfAcEur.ini", "VAM2_100_4_A", "Weight", "-1"),
                "'-1' is outside the range of Weight (CnfAcEur.ini [VAM2_100_4_A])",
                CatalogueReaders},
        TDamage{"NegativeMinFlow", Edit("CnfAcEur.ini", "VAM_350_4_B", "MinFlow", "-1"),
                "'-1' is outside the range of MinFlow (CnfAcEur.ini [VAM_350_4_B])",
                CatalogueReaders},
        TDamage{"NoAirFlow", Edit("CnfAcEur.ini", "VAM_900_6_C", "AirFlow", "0"),
                "'0' is outside the range of AirFlow (CnfAcEur.ini [VAM_900_6_C])",
                CatalogueReaders},
        TDamage{"HugeCoefficient", Edit("CnfAcEur.ini", "VAM_300_4_B", "CoeffA", "1e308"),
                "'1e308' is outside the range of CoeffA (CnfAcEur.ini [VAM_300_4_B])",
                CatalogueReaders},
        TDamage{"NegativeConductance", Edit("CnfAcEur.ini", "VAM_350_4_B", "CoeffD", "-1"),
                "'-1' is outside the range of CoeffD (CnfAcEur.ini [VAM_350_4_B])",
                CatalogueReaders},
        TDamage{"NoMaxFlow", Edit("CnfAcEur.ini", "VAM_400_4_B", "MaxFlow", "0"),
                "'0' is outside the range of MaxFlow (CnfAcEur.ini [VAM_400_4_B])",
                CatalogueReaders},
        TDamage{"FlowLimitsSwapped", Edit("CnfAcEur.ini", "VAM2_100_4_A", "MinFlow", "90"),
                "MinFlow '90' is above MaxFlow '80' (CnfAcEur.ini [VAM2_100_4_A])",
                CatalogueReaders},
        TDamage{"MissingKey", Edit("CnfAcEur.ini", "VAM2_250_4_A", "Weight", nullptr),
                "'' is not a valid floating point value for Weight (CnfAcEur.ini [VAM2_250_4_A])",
                CatalogueReaders},
        TDamage{"CatalogueDeleted", Remove("CnfAcEur.ini"), "file not found: %1CnfAcEur.ini",
                CatalogueReaders}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Oil, DamagedData,
    testing::Values(
        TDamage{"NegativeSixthPower", Edit("IsoOils.ini", "ISO_VG_46", "CoeffA", "-1e6"),
                "'-1e6' is outside the range of CoeffA (IsoOils.ini [ISO_VG_46])", Sizing},
        TDamage{"PositiveLinearTerm", Edit("IsoOils.ini", "ISO_VG_46", "CoeffF", "1e6"),
                "'1e6' is outside the range of CoeffF (IsoOils.ini [ISO_VG_46])", Sizing},
        // The dimensions page reads ISO VG 22 while the selection page has picked no grade.
        TDamage{"NoViscosity",
                Edit("IsoOils.ini", "ISO_VG_22", "CoeffG", "-1"),
                "'-1' is outside the range of CoeffG (IsoOils.ini [ISO_VG_22])",
                {Models}},
        TDamage{"OilDataDeleted", Remove("IsoOils.ini"), "file not found: %1IsoOils.ini",
                CatalogueReaders}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    MotorData, DamagedData,
    testing::Values(
        TDamage{"Deleted", Remove("VDM_MD.INI"), "file not found: %1VDM_MD.INI", MotorDataReaders},
        TDamage{"Empty", Replace("VDM_MD.INI", ""), "file is empty: %1VDM_MD.INI",
                MotorDataReaders},
        TDamage{"Garbage", Replace("VDM_MD.INI", QByteArray::fromHex("00ff5b31005d0a803d9f")),
                "no section [1] in %1VDM_MD.INI: it holds no motor variants", MotorDataReaders},
        TDamage{"SectionMissing", WithoutSectionTwo,
                "section [2] is missing in %1VDM_MD.INI: the variants from [3] on are not read",
                MotorDataReaders}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(DataSheets, DamagedData,
                         testing::Values(TDamage{"DrawingDeleted",
                                                 Remove("VAM_350_4_B.pdf"),
                                                 "file not found: %1VAM_350_4_B.pdf",
                                                 {Models}},
                                         TDamage{"KeySheetDeleted",
                                                 Remove("VAM_key.pdf"),
                                                 "file not found: %1VAM_key.pdf",
                                                 {Models}},
                                         TDamage{"DrawingEmpty",
                                                 Replace("VAM_900_6_C.pdf", ""),
                                                 "file is empty: %1VAM_900_6_C.pdf",
                                                 {Models}}),
                         [](const auto& info) { return std::string(info.param.Name); });

// What a damaged file leaves readable is still shown beside the message.
TEST(DamagedDataOutput, ModelsListsTheRestAndTheMotorTableTheVariantsBeforeTheGap) {
    const TInstalledCopy copy;
    ASSERT_TRUE(copy.Ready);
    ASSERT_TRUE(Remove("VAM_350_4_B.pdf")(copy.IniFiles));
    ASSERT_TRUE(Edit("CnfAcEur.ini", "VAM_500_6_C", "Weight", "-1")(copy.IniFiles));
    const TInstalledCopy::TRun models = copy.Run({"models", "--series", "VAM"});
    EXPECT_EQ(models.Code, 1);
    EXPECT_TRUE(models.Output.contains("KVAM 350-B  [VAM_350_4_B]\n  Motor capacity"))
        << models.Output.toStdString();
    EXPECT_TRUE(models.Output.contains("KVAM 900-C  [VAM_900_6_C]\n  Motor capacity"));
    // The damaged model is listed without data lines, its neighbours with theirs.
    EXPECT_TRUE(models.Output.contains("KVAM 500-C  [VAM_500_6_C]\n  \n"))
        << models.Output.toStdString();
    EXPECT_TRUE(models.Output.endsWith("VAM_key.pdf\n"));

    ASSERT_TRUE(WithoutSectionTwo(copy.IniFiles));
    const TInstalledCopy::TRun table = copy.Run({"motor-table"});
    EXPECT_EQ(table.Code, 1);
    const QStringList lines = table.Output.split('\n', Qt::SkipEmptyParts);
    // The message, the two heading rows and the first variant, which took in the second's keys.
    ASSERT_EQ(lines.size(), 4) << table.Output.toStdString();
    EXPECT_TRUE(lines[3].startsWith("KVHM 200-1500")) << lines[3].toStdString();
}

} // namespace
