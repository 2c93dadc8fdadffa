#include "settings/ProgramRegKey.h"
#include "settings/RegRoutines.h"
#include "settings/SettingsFile.h"
#include "tests/settings/SettingsTestRoots.h"

#include <QDir>

namespace {

// A machine-wide copy with a distinct value for every seeded name, plus the three values the
// seeding must leave alone.
struct TMachineCopy {
    QString Key = QStringLiteral("Software\\Brenvik\\Brenvik Cooler US");
    QString Version = QStringLiteral("2.03");
    QString InstallTime = QStringLiteral("2026-12-01 08:00:00 UTC");
    QString Without; // a subkey left out, such as "Page3"

    QByteArray Bytes() const {
        const QList<std::pair<QString, QString>> subkeys = {
            {QStringLiteral("FilePath"),
             QStringLiteral("\"FilePath\"=\"/opt/aircooler/share/aircooler/\"\n")},
            {QStringLiteral("MainData"),
             QStringLiteral("\"InstallTime\"=\"%1\"\n\"Version\"=\"%2\"\n")
                 .arg(InstallTime, Version)},
            {QStringLiteral("Page1"), QStringLiteral("\"AirTempCombo\"=dword:00000001\n"
                                                     "\"AltitudeCombo\"=dword:00000002\n"
                                                     "\"CoolerType\"=dword:00000003\n"
                                                     "\"CoolerTypeCombo\"=dword:00000004\n"
                                                     "\"HeatDissCombo\"=dword:00000005\n"
                                                     "\"MaxTempCombo\"=dword:00000006\n"
                                                     "\"OilflowCombo\"=dword:00000007\n"
                                                     "\"OilTypeCombo\"=dword:00000008\n"
                                                     "\"FixedTempMode\"=dword:00000001\n"
                                                     "\"OilMaxOilDev\"=dword:00000009\n"
                                                     "\"OutputOilAirDev\"=dword:00000008\n")},
            {QStringLiteral("Page2"), QStringLiteral("\"DensityCombo\"=dword:0000000b\n"
                                                     "\"DensityData\"=\"0,89\"\n"
                                                     "\"EndTempCombo\"=dword:0000000c\n"
                                                     "\"EndTempData\"=\"50\"\n"
                                                     "\"HeatCapCombo\"=dword:0000000d\n"
                                                     "\"HeatCapData\"=\"2,08\"\n"
                                                     "\"OilVolumeCombo\"=dword:0000000e\n"
                                                     "\"OilVolumeData\"=\"200\"\n"
                                                     "\"ResultlCombo\"=dword:0000000f\n"
                                                     "\"StartTempCombo\"=dword:00000010\n"
                                                     "\"StartTempData\"=\"20\"\n"
                                                     "\"TimeIntervalData\"=\"30\"\n")},
            {QStringLiteral("Page3"), QStringLiteral("\"CoolerType\"=dword:00000002\n"
                                                     "\"CoolerTypeCombo\"=dword:00000011\n")},
            {QStringLiteral("Page5"), QStringLiteral("\"Language\"=dword:00000003\n")},
            {QStringLiteral("PrintPage"), QStringLiteral("\"LocalLaguage\"=dword:00000008\n"
                                                         "\"OurRef\"=\"Our, \\\"ref\\\"\"\n"
                                                         "\"YourRef\"=\"Your ref \u00B0\"\n")},
        };
        QString text;
        for (const auto& [name, values] : subkeys)
            if (name != Without)
                text += QStringLiteral("[%1\\%2]\n%3\n").arg(Key, name, values);
        return text.toUtf8();
    }
};

class InstallationCheckTest : public SettingsRootsTest {
protected:
    // The per-user copy as the seeding from `machine` leaves it.
    void SeedFrom(const TMachineCopy& machine) {
        WriteMachine(machine.Bytes());
        ASSERT_TRUE(Reg.CopyToCurrentUser());
    }
    bool UserHoldsProgramKey() const {
        const std::optional<TSettingsTree> tree = TSettingsFile(UserFile).Read();
        return tree && tree->HoldsKey(ProgramRegKey(TEdition::US));
    }
    int32_t StoredInteger(const QString& EndPath, const QString& RegValue) const {
        int32_t value = -999;
        Reg.GetRegInteger(value, EndPath, RegValue);
        return value;
    }

    TRegRoutines Reg{Roots};
};

TEST_F(InstallationCheckTest, AFirstStartSeedsEverySeededValueOnce) {
    WriteMachine(TMachineCopy().Bytes());
    EXPECT_EQ(Reg.IsProgramAllowed(), TRegRoutines::UserCopyOutdated);
    ASSERT_TRUE(Reg.CopyToCurrentUser());

    const struct {
        const char* EndPath;
        const char* RegValue;
        TRegData Expected;
    } seeded[] = {
        {"\\FilePath", "FilePath", QStringLiteral("/opt/aircooler/share/aircooler/")},
        {"\\MainData", "InstallTime", QStringLiteral("2026-12-01 08:00:00 UTC")},
        {"\\MainData", "Version", QStringLiteral("2.03")},
        {"\\Page1", "AirTempCombo", 1},
        {"\\Page1", "AltitudeCombo", 2},
        {"\\Page1", "CoolerType", 3},
        {"\\Page1", "CoolerTypeCombo", 4},
        {"\\Page1", "HeatDissCombo", 5},
        {"\\Page1", "MaxTempCombo", 6},
        {"\\Page1", "OilflowCombo", 7},
        {"\\Page1", "OilTypeCombo", 8},
        {"\\Page2", "DensityCombo", 11},
        {"\\Page2", "DensityData", QStringLiteral("0,89")},
        {"\\Page2", "EndTempCombo", 12},
        {"\\Page2", "EndTempData", QStringLiteral("50")},
        {"\\Page2", "HeatCapCombo", 13},
        {"\\Page2", "HeatCapData", QStringLiteral("2,08")},
        {"\\Page2", "OilVolumeCombo", 14},
        {"\\Page2", "OilVolumeData", QStringLiteral("200")},
        {"\\Page2", "ResultlCombo", 15},
        {"\\Page2", "StartTempCombo", 16},
        {"\\Page2", "StartTempData", QStringLiteral("20")},
        {"\\Page2", "TimeIntervalData", QStringLiteral("30")},
        {"\\Page3", "CoolerType", 2},
        {"\\Page3", "CoolerTypeCombo", 17},
        {"\\Page5", "Language", 3},
        {"\\PrintPage", "LocalLaguage", 8},
        {"\\PrintPage", "OurRef", QStringLiteral("Our, \"ref\"")},
        {"\\PrintPage", "YourRef", QStringLiteral("Your ref \u00B0")},
    };
    for (const auto& s : seeded) {
        const QString EndPath = QString::fromLatin1(s.EndPath);
        const QString RegValue = QString::fromLatin1(s.RegValue);
        if (const int32_t* number = std::get_if<int32_t>(&s.Expected))
            EXPECT_EQ(StoredInteger(EndPath, RegValue), *number) << s.RegValue;
        else
            EXPECT_EQ(Reg.GetRegString(EndPath, RegValue), std::get<QString>(s.Expected))
                << s.RegValue;
    }
    // The mode and the margins stay the user's own: a fresh user has none.
    for (const char* own : {"FixedTempMode", "OilMaxOilDev", "OutputOilAirDev"})
        EXPECT_EQ(StoredInteger(QStringLiteral("\\Page1"), QString::fromLatin1(own)), -999) << own;

    // The next start finds the copy current instead of seeding it again.
    EXPECT_EQ(Reg.IsProgramAllowed(), TRegRoutines::UserCopyCurrent);
}

TEST_F(InstallationCheckTest, TheVersionsDecideBetweenStartingSeedingAndRefusing) {
    const struct {
        const char* User;
        const char* Machine;
        int Expected;
    } cases[] = {
        // The same release: seeded once, not at every start.
        {"2.03", "2.03", TRegRoutines::UserCopyCurrent},
        {"2.03", " 2.03 ", TRegRoutines::UserCopyCurrent},
        // A pre-release user copy is older than the release.
        {"2.03b", "2.03", TRegRoutines::UserCopyOutdated},
        {"2.03b", "2.03c", TRegRoutines::UserCopyOutdated},
        {"2.02", "2.03", TRegRoutines::UserCopyOutdated},
        // An older installation over a newer user copy.
        {"2.04", "2.03", TRegRoutines::ProgramRefused},
        {"2.03", "2.03b", TRegRoutines::ProgramRefused},
    };
    for (const auto& c : cases) {
        QFile::remove(UserFile);
        TMachineCopy machine;
        machine.Version = QString::fromLatin1(c.User);
        SeedFrom(machine);
        machine.Version = QString::fromLatin1(c.Machine);
        WriteMachine(machine.Bytes());
        EXPECT_EQ(Reg.IsProgramAllowed(), c.Expected)
            << "user " << c.User << ", installation '" << c.Machine << "'";
    }
}

TEST_F(InstallationCheckTest, AReinstallationSeedsAgainButTheUserKeepsModeAndMargins) {
    TMachineCopy machine;
    SeedFrom(machine);
    ASSERT_TRUE(Reg.SetRegInteger(0, QStringLiteral("\\Page1"), QStringLiteral("OilflowCombo")));
    ASSERT_TRUE(Reg.SetRegInteger(10, QStringLiteral("\\Page1"), QStringLiteral("OilMaxOilDev")));
    ASSERT_TRUE(Reg.SetRegInteger(1, QStringLiteral("\\Page1"), QStringLiteral("FixedTempMode")));

    machine.InstallTime = QStringLiteral("  ") + machine.InstallTime + QStringLiteral(" ");
    WriteMachine(machine.Bytes());
    EXPECT_EQ(Reg.IsProgramAllowed(), TRegRoutines::UserCopyCurrent);

    machine.InstallTime = QStringLiteral("2026-12-09 17:30:00 UTC");
    WriteMachine(machine.Bytes());
    EXPECT_EQ(Reg.IsProgramAllowed(), TRegRoutines::UserCopyOutdated);
    ASSERT_TRUE(Reg.CopyToCurrentUser());
    EXPECT_EQ(StoredInteger(QStringLiteral("\\Page1"), QStringLiteral("OilflowCombo")), 7);
    EXPECT_EQ(StoredInteger(QStringLiteral("\\Page1"), QStringLiteral("OilMaxOilDev")), 10);
    EXPECT_EQ(StoredInteger(QStringLiteral("\\Page1"), QStringLiteral("FixedTempMode")), 1);
    EXPECT_EQ(Reg.IsProgramAllowed(), TRegRoutines::UserCopyCurrent);
}

TEST_F(InstallationCheckTest, TheProgramIsRefusedWithoutItsKeyOrTheInstallationsMainData) {
    TMachineCopy otherEdition;
    otherEdition.Key = QStringLiteral("Software\\Kylvane");
    TMachineCopy withoutMainData;
    withoutMainData.Without = QStringLiteral("MainData");
    const QByteArray userCopy = TMachineCopy().Bytes();

    const struct {
        const char* What;
        std::optional<QByteArray> User;
        std::optional<QByteArray> Machine;
    } cases[] = {
        {"neither root exists", std::nullopt, std::nullopt},
        {"neither root holds the key", std::nullopt, otherEdition.Bytes()},
        {"no installation", userCopy, std::nullopt},
        {"installation without its main data", userCopy, withoutMainData.Bytes()},
        {"unreadable installation", std::nullopt, QByteArray("\x01\x02garbage", 9)},
        {"unreadable installation under a user copy", userCopy, QByteArray("[Software\\Br")},
    };
    for (const auto& c : cases) {
        QFile::remove(UserFile);
        QFile::remove(MachineFile);
        if (c.User)
            WriteUser(*c.User);
        if (c.Machine)
            WriteMachine(*c.Machine);
        EXPECT_EQ(Reg.IsProgramAllowed(), TRegRoutines::ProgramRefused) << c.What;
    }
}

TEST_F(InstallationCheckTest, AnInstallationWithoutPage3FailsTheSeedingAndDeletesTheUserCopy) {
    TMachineCopy older;
    older.Version = QStringLiteral("2.02");
    SeedFrom(older);
    const QString otherKey = QStringLiteral("Software\\Other\\Program");
    ASSERT_TRUE(TSettingsFile(UserFile).Update([&](TSettingsTree& tree) {
        tree.CreateKey(otherKey).Set(QStringLiteral("Keep"), QStringLiteral("yes"));
        return true;
    }));

    TMachineCopy withoutPage3;
    withoutPage3.Without = QStringLiteral("Page3");
    WriteMachine(withoutPage3.Bytes());
    ASSERT_EQ(Reg.IsProgramAllowed(), TRegRoutines::UserCopyOutdated);
    EXPECT_FALSE(Reg.CopyToCurrentUser());

    EXPECT_FALSE(UserHoldsProgramKey());
    const std::optional<TSettingsTree> user = TSettingsFile(UserFile).Read();
    ASSERT_TRUE(user);
    EXPECT_TRUE(user->FindKey(otherKey));
}

TEST_F(InstallationCheckTest, AnUnreadableUserCopyIsKeptAsideAndSeededAfresh) {
    // "garb" as UTF-16 with its byte-order mark, spelt in hex: an escape such as "\x00a" would
    // swallow the letter after it.
    const QByteArray garbage = QByteArray::fromHex("fffe6700610072006200");
    WriteUser(garbage);
    WriteMachine(TMachineCopy().Bytes());

    EXPECT_EQ(Reg.IsProgramAllowed(), TRegRoutines::UserCopyOutdated);
    ASSERT_TRUE(Reg.CopyToCurrentUser());
    EXPECT_EQ(StoredInteger(QStringLiteral("\\Page5"), QStringLiteral("Language")), 3);

    const QFileInfo user(UserFile);
    const QStringList aside =
        user.dir().entryList({user.fileName() + QStringLiteral(".unreadable-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(FileBytes(user.dir().filePath(aside.first())), garbage);
}

TEST_F(InstallationCheckTest, TheEuropeanEditionWorksUnderItsOwnKey) {
    const TRegRoutines reg({UserFile, MachineFile, TEdition::European});
    TMachineCopy european;
    european.Key = QStringLiteral("Software\\Kylvane");
    WriteMachine(TMachineCopy().Bytes()); // the US edition's installation only
    EXPECT_EQ(reg.IsProgramAllowed(), TRegRoutines::ProgramRefused);

    WriteMachine(european.Bytes());
    EXPECT_EQ(reg.IsProgramAllowed(), TRegRoutines::UserCopyOutdated);
    ASSERT_TRUE(reg.CopyToCurrentUser());
    EXPECT_EQ(reg.IsProgramAllowed(), TRegRoutines::UserCopyCurrent);
    EXPECT_TRUE(FileBytes(UserFile).contains("[Software\\Kylvane\\Page5]"));
}

} // namespace
