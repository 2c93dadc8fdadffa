#include "settings/RegRoutines.h"
#include "settings/SettingsFile.h"
#include "tests/settings/SettingsTestRoots.h"

namespace {

// A per-user copy with a few values of each kind and no "\Page3".
const QByteArray UserCopy = "[Software\\Brenvik\\Brenvik Cooler US\\FilePath]\n"
                            "\"FilePath\"=\"/opt/aircooler/share/aircooler/\"\n"
                            "[Software\\Brenvik\\Brenvik Cooler US\\Page1]\n"
                            "\"OilTypeCombo\"=dword:fffffffd\n"
                            "\"CoolerType\"=dword:00000002\n"
                            "[Software\\Brenvik\\Brenvik Cooler US\\Page2]\n"
                            "\"DensityCombo\"=dword:00000005\n"
                            "\"DensityData\"=\"5\"\n"
                            "[Software\\Brenvik\\Brenvik Cooler US\\Page5]\n"
                            "\"Language\"=dword:0000000b\n";

class RegRoutinesTest : public SettingsRootsTest {
protected:
    RegRoutinesTest() { WriteUser(UserCopy); }
    TRegRoutines Reg{Roots};
};

TEST_F(RegRoutinesTest, TextsAndIntegersNeverStandInForEachOther) {
    int32_t number = 77;
    EXPECT_FALSE(
        Reg.GetRegInteger(number, QStringLiteral("\\Page2"), QStringLiteral("DensityData")));
    EXPECT_EQ(number, 77);
    EXPECT_TRUE(
        Reg.GetRegInteger(number, QStringLiteral("\\Page2"), QStringLiteral("DensityCombo")));
    EXPECT_EQ(number, 5);

    QString text = QStringLiteral("untouched");
    EXPECT_EQ(Reg.GetRegString(QStringLiteral("\\Page2"), QStringLiteral("DensityCombo")),
              QString());
    EXPECT_FALSE(
        Reg.GetRegShortString(text, 50, QStringLiteral("\\Page2"), QStringLiteral("DensityCombo")));
    EXPECT_EQ(text, QStringLiteral("untouched"));
    EXPECT_EQ(Reg.GetRegString(QStringLiteral("\\Page2"), QStringLiteral("DensityData")),
              QStringLiteral("5"));
}

TEST_F(RegRoutinesTest, AMissingSubkeyIsNeitherReadNorCreatedByAWrite) {
    const QByteArray before = FileBytes(UserFile);
    QString text = QStringLiteral("untouched");
    int32_t number = 77;

    EXPECT_FALSE(Reg.SetRegString(QStringLiteral("Smith"), QStringLiteral("\\PrintPage"),
                                  QStringLiteral("OurRef")));
    EXPECT_FALSE(Reg.SetRegInteger(1, QStringLiteral("\\Page3"), QStringLiteral("CoolerType")));
    EXPECT_FALSE(
        Reg.GetRegShortString(text, 50, QStringLiteral("\\PrintPage"), QStringLiteral("OurRef")));
    EXPECT_FALSE(
        Reg.GetRegInteger(number, QStringLiteral("\\Page3"), QStringLiteral("CoolerType")));
    EXPECT_EQ(Reg.GetRegString(QStringLiteral("\\PrintPage"), QStringLiteral("OurRef")), QString());
    EXPECT_EQ(text, QStringLiteral("untouched"));
    EXPECT_EQ(number, 77);
    EXPECT_EQ(FileBytes(UserFile), before);
}

TEST_F(RegRoutinesTest, AMissingValueInAnExistingSubkeyReadsEmptyAndCanBeWritten) {
    QString text = QStringLiteral("untouched");
    int32_t number = 77;
    EXPECT_TRUE(Reg.GetRegShortString(text, 50, QStringLiteral("\\Page2"),
                                      QStringLiteral("OilVolumeData")));
    EXPECT_EQ(text, QString());
    EXPECT_FALSE(
        Reg.GetRegInteger(number, QStringLiteral("\\Page1"), QStringLiteral("FixedTempMode")));

    EXPECT_TRUE(Reg.SetRegInteger(-1, QStringLiteral("\\Page1"), QStringLiteral("FixedTempMode")));
    EXPECT_TRUE(Reg.SetRegString(QStringLiteral("12,5"), QStringLiteral("\\Page2"),
                                 QStringLiteral("OilVolumeData")));
    EXPECT_TRUE(
        Reg.GetRegInteger(number, QStringLiteral("\\Page1"), QStringLiteral("FixedTempMode")));
    EXPECT_EQ(number, -1);
    EXPECT_EQ(Reg.GetRegString(QStringLiteral("\\Page2"), QStringLiteral("OilVolumeData")),
              QStringLiteral("12,5"));
    // The values written before are still there.
    EXPECT_EQ(Reg.GetRegString(QStringLiteral("\\Page2"), QStringLiteral("DensityData")),
              QStringLiteral("5"));
}

TEST_F(RegRoutinesTest, TextsAreCutToTheLengthTheReaderAsksFor) {
    const QString longText(300, u'x');
    ASSERT_TRUE(Reg.SetRegString(longText, QStringLiteral("\\Page2"), QStringLiteral("OurRef")));
    EXPECT_EQ(Reg.GetRegString(QStringLiteral("\\Page2"), QStringLiteral("OurRef")).size(), 255);

    QString text;
    EXPECT_TRUE(
        Reg.GetRegShortString(text, 50, QStringLiteral("\\Page2"), QStringLiteral("OurRef")));
    EXPECT_EQ(text, QString(50, u'x'));
    QString path;
    EXPECT_TRUE(Reg.GetProgramPath(path, 8));
    EXPECT_EQ(path, QStringLiteral("/opt/air"));
}

TEST_F(RegRoutinesTest, ValueAndSubkeyNamesIgnoreLetterCase) {
    int32_t number = 0;
    ASSERT_TRUE(Reg.SetRegInteger(4, QStringLiteral("\\PAGE1"), QStringLiteral("cooLerType")));
    EXPECT_TRUE(Reg.GetRegInteger(number, QStringLiteral("\\Page1"), QStringLiteral("CoolerType")));
    EXPECT_EQ(number, 4);
    EXPECT_TRUE(FileBytes(UserFile).contains("\"CoolerType\"=dword:00000004"));
}

TEST_F(RegRoutinesTest, TheProgramPathAndTheLanguageHaveTheirOwnReaders) {
    QString path;
    int32_t language = 0;
    EXPECT_TRUE(Reg.GetProgramPath(path, 255));
    EXPECT_EQ(path, QStringLiteral("/opt/aircooler/share/aircooler/"));
    EXPECT_TRUE(Reg.GetTextNo(language));
    EXPECT_EQ(language, 11);
}

TEST_F(RegRoutinesTest, StoredListPositionsAreClampedIntoTheirList) {
    const struct {
        const char* EndPath;
        const char* RegValue;
        int Last;
        int Current;
        int Expected;
    } cases[] = {
        {"\\Page2", "DensityCombo", 2, 0, 2},    // 5 is beyond the three densities
        {"\\Page1", "OilTypeCombo", 9, 4, 0},    // -3 is below the first grade
        {"\\Page2", "DensityCombo", 7, 0, 5},    // within the list: unchanged
        {"\\Page1", "OilflowCombo", 5, 3, 3},    // missing: the current position stays
        {"\\Page1", "OilflowCombo", 1, 3, 1},    // ... clamped as well
        {"\\Page2", "DensityData", 2, 1, 1},     // a text is no position
        {"\\Page3", "CoolerTypeCombo", 4, 2, 2}, // missing subkey
    };
    for (const auto& c : cases)
        EXPECT_EQ(Reg.GetRegPosition(QString::fromLatin1(c.EndPath),
                                     QString::fromLatin1(c.RegValue), c.Last, c.Current),
                  c.Expected)
            << c.RegValue << " up to " << c.Last;
}

TEST_F(RegRoutinesTest, AStoredSeriesCountsByItsLowByteAndFallsBackToTheACSeries) {
    const struct {
        int32_t Stored;
        TCoolerType Expected;
    } cases[] = {
        {2, Cooler_System}, {3, VCS_Cooler}, {4, AC_Cooler}, {0x101, DC_Cooler}, {-1, AC_Cooler},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(
            Reg.SetRegInteger(c.Stored, QStringLiteral("\\Page1"), QStringLiteral("CoolerType")));
        EXPECT_EQ(Reg.GetRegCoolerType(QStringLiteral("\\Page1")), c.Expected) << c.Stored;
    }
    EXPECT_EQ(Reg.GetRegCoolerType(QStringLiteral("\\Page3")), AC_Cooler); // unreadable
}

// A file damaged by something else than the program (the program's own writes are atomic).
TEST_F(RegRoutinesTest, AnUnreadableUserCopyFailsEveryOperationAndIsLeftAsItIs) {
    const QByteArray damaged[] = {
        QByteArray("\x00\x01\x02\xFF garbage \xFE", 14),
        UserCopy.left(UserCopy.indexOf("/share")), // cut inside a text
        "[Software\\Brenvik\\Brenvik Cooler US\\Page5]\nLanguage=11\n",
    };
    for (const QByteArray& bytes : damaged) {
        WriteUser(bytes);
        QString text = QStringLiteral("untouched");
        int32_t number = 77;
        EXPECT_EQ(Reg.GetRegString(QStringLiteral("\\FilePath"), QStringLiteral("FilePath")),
                  QString());
        EXPECT_FALSE(Reg.GetProgramPath(text, 255));
        EXPECT_FALSE(Reg.GetTextNo(number));
        EXPECT_FALSE(Reg.SetRegInteger(3, QStringLiteral("\\Page5"), QStringLiteral("Language")));
        EXPECT_EQ(text, QStringLiteral("untouched"));
        EXPECT_EQ(number, 77);
        EXPECT_EQ(FileBytes(UserFile), bytes);
    }
}

TEST(RegRoutinesWithoutRoots, EveryOperationFails) {
    const TRegRoutines reg{TSettingsRoots{}};
    int32_t number = 0;
    EXPECT_EQ(reg.IsProgramAllowed(), TRegRoutines::ProgramRefused);
    EXPECT_FALSE(reg.CopyToCurrentUser());
    EXPECT_FALSE(reg.SetRegInteger(1, QStringLiteral("\\Page5"), QStringLiteral("Language")));
    EXPECT_FALSE(reg.GetTextNo(number));
}

} // namespace
