#include "settings/RegRoutines.h"
#include "settings/SeededValues.h"
#include "settings/SettingsFile.h"
#include "settings/VersUnit.h"
#include "tests/settings/SettingsTestRoots.h"
#include "units/Units.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct TEditionDefaults {
    bool US;
    const char* File;
    const char* Key;
    // Expected unit positions.
    int Flow;
    int Temperature;
    int Length;
    int Heat;
    int Volume;
    int Density;
    int HeatCapacity;
};

const TEditionDefaults Editions[] = {
    {true, "MachineSettings-US.ini", "\\Software\\Brenvik\\Brenvik Cooler US",
     Ord(TFlow::USgal_min), Ord(TTemp::F), Ord(TLength::ft), Ord(THeatDissi::BTU_hr),
     Ord(TVolume::gallon), Ord(TDensity::lb_ft3), Ord(THeatCapacitivity::BTU_lb_K)},
    {false, "MachineSettings-EU.ini", "\\Software\\Kylvane", Ord(TFlow::l_min), Ord(TTemp::C),
     Ord(TLength::m), Ord(THeatDissi::kW), Ord(TVolume::liter), Ord(TDensity::kg_dm3),
     Ord(THeatCapacitivity::KJ_Kg_K)},
};

const QString BuildDataDir = QStringLiteral(AIRCOOLER_BUILD_DATA_DIR);

int32_t IntegerIn(const TRegKey& key, const char* name) {
    const TRegData* data = key.Find(QString::fromLatin1(name));
    return data && std::holds_alternative<int32_t>(*data) ? std::get<int32_t>(*data) : -999;
}

TEST(ShippedMachineSettings, EachEditionCarriesEverySeededValueInItsOwnUnits) {
    for (const TEditionDefaults& edition : Editions) {
        SCOPED_TRACE(edition.File);
        const std::optional<TSettingsTree> tree =
            TSettingsFile(BuildDataDir + u'/' + QString::fromLatin1(edition.File)).Read();
        ASSERT_TRUE(tree);
        const QString programKey = QString::fromLatin1(edition.Key);

        for (const TSeededKey& seeded : SeededKeys()) {
            const TRegKey* key = tree->FindKey(programKey + seeded.EndPath);
            ASSERT_TRUE(key) << seeded.EndPath.toStdString();
            for (const TSeededValue& value : seeded.Values) {
                const TRegData* data = key->Find(value.Name);
                ASSERT_TRUE(data) << value.Name.toStdString();
                EXPECT_EQ(std::holds_alternative<int32_t>(*data),
                          value.Type == TSeededType::Integer)
                    << value.Name.toStdString();
            }
        }

        const TRegKey& page1 = *tree->FindKey(programKey + QStringLiteral("\\Page1"));
        const TRegKey& page2 = *tree->FindKey(programKey + QStringLiteral("\\Page2"));
        EXPECT_EQ(IntegerIn(page1, "OilflowCombo"), edition.Flow);
        EXPECT_EQ(IntegerIn(page1, "MaxTempCombo"), edition.Temperature);
        EXPECT_EQ(IntegerIn(page1, "AirTempCombo"), edition.Temperature);
        EXPECT_EQ(IntegerIn(page1, "AltitudeCombo"), edition.Length);
        EXPECT_EQ(IntegerIn(page1, "HeatDissCombo"), edition.Heat);
        EXPECT_EQ(IntegerIn(page2, "OilVolumeCombo"), edition.Volume);
        EXPECT_EQ(IntegerIn(page2, "DensityCombo"), edition.Density);
        EXPECT_EQ(IntegerIn(page2, "HeatCapCombo"), edition.HeatCapacity);
        EXPECT_EQ(IntegerIn(page2, "StartTempCombo"), edition.Temperature);
        EXPECT_EQ(IntegerIn(page2, "EndTempCombo"), edition.Temperature);
        EXPECT_EQ(IntegerIn(page2, "ResultlCombo"), edition.Heat);
    }
}

// The program run from the build tree: seeded once from the build tree's copy, pointed at the
// build tree's data, and found current at the next start.
TEST(ShippedMachineSettings, TheBuildTreesCopySeedsAUserOnceAndPointsAtTheBuildTreesData) {
    for (const TEditionDefaults& edition : Editions) {
        SCOPED_TRACE(edition.File);
        QTemporaryDir home;
        const TRegRoutines reg({home.filePath(QStringLiteral("user.ini")),
                                BuildDataDir + u'/' + QString::fromLatin1(edition.File),
                                edition.US ? TEdition::US : TEdition::European});

        EXPECT_EQ(reg.IsProgramAllowed(), TRegRoutines::UserCopyOutdated);
        ASSERT_TRUE(reg.CopyToCurrentUser());
        EXPECT_EQ(reg.IsProgramAllowed(), TRegRoutines::UserCopyCurrent);

        QString path;
        int32_t language = -1;
        EXPECT_TRUE(reg.GetProgramPath(path, TRegRoutines::MaxTextLength));
        EXPECT_EQ(path, BuildDataDir + u'/');
        EXPECT_TRUE(reg.GetTextNo(language));
        EXPECT_EQ(language, ENGLISH);
        EXPECT_EQ(reg.GetRegString(QStringLiteral("\\MainData"), QStringLiteral("Version")),
                  ProgramVersionNumber());
        EXPECT_FALSE(reg.GetRegString(QStringLiteral("\\MainData"), QStringLiteral("InstallTime"))
                         .isEmpty());
    }
}

// The installation step run on its own: it records the prefix it installs into (not the
// staging directory) and the moment of installation.
TEST(ShippedMachineSettings, TheInstallationRecordsItsDataDirectoryAndTime) {
    QTemporaryDir stage;
    const QString prefix = QStringLiteral("/opt/air \"cooler\"");
    QProcess cmake;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), stage.path());
    cmake.setProcessEnvironment(environment);
    cmake.start(QStringLiteral(AIRCOOLER_CMAKE_COMMAND),
                {QStringLiteral("-DCMAKE_INSTALL_PREFIX=") + prefix,
                 QStringLiteral("-DAIRCOOLER_SETTINGS_TEMPLATES=" AIRCOOLER_SETTINGS_TEMPLATES),
                 QStringLiteral("-P"),
                 QStringLiteral(AIRCOOLER_SETTINGS_TEMPLATES "/InstallMachineSettings.cmake")});
    ASSERT_TRUE(cmake.waitForFinished(60000));
    ASSERT_EQ(cmake.exitCode(), 0) << cmake.readAllStandardError().toStdString();

    for (const TEditionDefaults& edition : Editions) {
        SCOPED_TRACE(edition.File);
        const std::optional<TSettingsTree> tree =
            TSettingsFile(stage.path() + prefix + QStringLiteral("/share/aircooler/") +
                          QString::fromLatin1(edition.File))
                .Read();
        ASSERT_TRUE(tree);
        const QString programKey = QString::fromLatin1(edition.Key);
        const TRegKey* filePath = tree->FindKey(programKey + QStringLiteral("\\FilePath"));
        const TRegKey* mainData = tree->FindKey(programKey + QStringLiteral("\\MainData"));
        ASSERT_TRUE(filePath && mainData);
        EXPECT_EQ(*filePath->Find(QStringLiteral("FilePath")),
                  TRegData(prefix + QStringLiteral("/share/aircooler/")));
        const QString* installTime =
            std::get_if<QString>(mainData->Find(QStringLiteral("InstallTime")));
        ASSERT_TRUE(installTime);
        EXPECT_FALSE(installTime->isEmpty());
        EXPECT_NE(*installTime, QStringLiteral("@AIRCOOLER_INSTALL_TIME@"));
    }
}

} // namespace
