#include "settings/RegRoutines.h"
#include "settings/SeededValues.h"
#include "settings/SettingsFile.h"
#include "tests/settings/SettingsTestRoots.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/SpecialFiles.h"

#include <QDateTime>
#include <QProcess>

#include <algorithm>

namespace {

// Must match the text the writer program stores beside each counter value.
QString CounterText(int number) {
    return QStringLiteral("%1, \"\u00B0F\" = \\%1; ").arg(number);
}

const QByteArray SeededUserCopy = "[Software\\Brenvik\\Brenvik Cooler US\\MainData]\n"
                                  "\"Version\"=\"2.03\"\n"
                                  "[Software\\Brenvik\\Brenvik Cooler US\\Page1]\n"
                                  "\"Counter\"=dword:00000000\n"
                                  "[Software\\Brenvik\\Brenvik Cooler US\\Page2]\n"
                                  "\"Counter\"=\"0, \\\"\u00B0F\\\" = \\\\0; \"\n"
                                  "[Software\\Brenvik\\Brenvik Cooler US\\Page5]\n"
                                  "\"Language\"=dword:00000008\n"
                                  "[Software\\Brenvik\\Brenvik Cooler US\\PrintPage]\n"
                                  "\"LocalLaguage\"=dword:00000000\n"
                                  "\"OurRef\"=\"our 0\"\n"
                                  "\"YourRef\"=\"your 0\"\n";

class WriteSafetyTest : public SettingsRootsTest {
protected:
    WriteSafetyTest() { WriteUser(SeededUserCopy); }

    void StartWriter(QProcess& writer, const QString& mode, const QString& name, int first,
                     int last) {
        writer.start(QStringLiteral(AIRCOOLER_SETTINGS_TEST_WRITER),
                     {UserFile, mode, name, QString::number(first), QString::number(last)});
        ASSERT_TRUE(writer.waitForStarted());
    }

    // Waits until the writer has reported `count` finished writes; the last number reported.
    static int AwaitWrites(QProcess& writer, int count) {
        int reported = 0;
        int last = -1;
        while (reported < count && writer.waitForReadyRead(30000))
            while (writer.canReadLine()) {
                last = writer.readLine().trimmed().toInt();
                ++reported;
            }
        return last;
    }

    TRegRoutines Reg{Roots};
};

TEST_F(WriteSafetyTest, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewValues) {
    int committed = 0;
    for (int round = 0; round < 8; ++round) {
        QProcess writer;
        StartWriter(writer, QStringLiteral("counter"), QStringLiteral("Counter"), committed + 1,
                    committed + 100000);
        // A different number of finished writes each round, so the kill lands at other moments.
        const int reported = AwaitWrites(writer, 3 + 5 * round);
        ASSERT_GT(reported, committed);
        writer.kill();
        writer.waitForFinished();

        ASSERT_TRUE(TSettingsFile(UserFile).Read()) << "round " << round;
        int32_t counter = -1;
        ASSERT_TRUE(
            Reg.GetRegInteger(counter, QStringLiteral("\\Page1"), QStringLiteral("Counter")));
        EXPECT_GE(counter, reported);
        // The text is written right after the counter: it holds the same number or the one before.
        const QString text = Reg.GetRegString(QStringLiteral("\\Page2"), QStringLiteral("Counter"));
        EXPECT_TRUE(text == CounterText(counter) || text == CounterText(counter - 1))
            << text.toStdString() << " beside " << counter;
        EXPECT_EQ(Reg.GetRegString(QStringLiteral("\\MainData"), QStringLiteral("Version")),
                  QStringLiteral("2.03"));
        committed = counter;
    }
    // The lock a killed writer left behind does not block the next one.
    EXPECT_TRUE(Reg.SetRegInteger(5, QStringLiteral("\\Page5"), QStringLiteral("Language")));
}

// The numbers the writer's "pages" mode left, in the order it writes them: every "\Page2"
// value of the heat-load page, then the two service margins; -1 for a value it did not write.
QList<int> PageNumbers(const TRegRoutines& reg) {
    QList<int> numbers;
    for (const TSeededKey& key : SeededKeys()) {
        if (key.EndPath != QLatin1String("\\Page2"))
            continue;
        for (const TSeededValue& value : key.Values) {
            int32_t number = -1;
            if (value.Type == TSeededType::Integer) {
                reg.GetRegInteger(number, key.EndPath, value.Name);
            } else {
                const QString text = reg.GetRegString(key.EndPath, value.Name);
                number = text.section(QLatin1Char(','), 0, 0).toInt();
                if (text != CounterText(number))
                    number = -1;
            }
            numbers.append(number);
        }
    }
    for (const char* margin : {"OilMaxOilDev", "OutputOilAirDev"}) {
        int32_t number = -1;
        reg.GetRegInteger(number, QStringLiteral("\\Page1"), QLatin1String(margin));
        numbers.append(number);
    }
    return numbers;
}

TEST_F(WriteSafetyTest, APageStoreKilledAtAnyMomentLeavesEachValueOldOrNew) {
    int committed = 0;
    for (int round = 0; round < 6; ++round) {
        QProcess writer;
        StartWriter(writer, QStringLiteral("pages"), QStringLiteral("-"), committed + 1,
                    committed + 100000);
        const int reported = AwaitWrites(writer, 2 + 3 * round);
        ASSERT_GT(reported, committed);
        writer.kill();
        writer.waitForFinished();

        ASSERT_TRUE(TSettingsFile(UserFile).Read()) << "round " << round;
        // Values written before the kill hold the number of the round it broke off, the rest
        // the number of the round before: never a value from elsewhere or a torn text.
        const QList<int> numbers = PageNumbers(Reg);
        ASSERT_EQ(numbers.size(), 14);
        EXPECT_GE(numbers.front(), reported);
        EXPECT_TRUE(std::is_sorted(numbers.rbegin(), numbers.rend()))
            << testing::PrintToString(std::vector<int>(numbers.begin(), numbers.end()));
        EXPECT_LE(numbers.front() - numbers.back(), 1);
        committed = numbers.front();
    }
}

TEST_F(WriteSafetyTest, APrintSetupKilledWhileStoringLeavesEachValueOldOrNew) {
    int committed = 0;
    for (int round = 0; round < 6; ++round) {
        QProcess writer;
        StartWriter(writer, QStringLiteral("printsetup"), QStringLiteral("-"), committed + 1,
                    committed + 100000);
        const int reported = AwaitWrites(writer, 2 + 4 * round);
        ASSERT_GT(reported, committed);
        writer.kill();
        writer.waitForFinished();

        ASSERT_TRUE(TSettingsFile(UserFile).Read()) << "round " << round;
        int32_t language = -1;
        ASSERT_TRUE(Reg.GetRegInteger(language, QStringLiteral("\\PrintPage"),
                                      QStringLiteral("LocalLaguage")));
        EXPECT_GE(language, reported);
        // The language is stored first, then our reference, then yours: each lags the one
        // before it by at most one closing of the dialog.
        const QString our =
            Reg.GetRegString(QStringLiteral("\\PrintPage"), QStringLiteral("OurRef"));
        const QString your =
            Reg.GetRegString(QStringLiteral("\\PrintPage"), QStringLiteral("YourRef"));
        const int ourNumber = our.mid(4).toInt();
        EXPECT_TRUE(our.startsWith("our ") && (ourNumber == language || ourNumber == language - 1))
            << our.toStdString() << " beside " << language;
        EXPECT_TRUE(your == QStringLiteral("your %1").arg(ourNumber) ||
                    (ourNumber == language && your == QStringLiteral("your %1").arg(language - 1)))
            << your.toStdString() << " beside " << our.toStdString();
        committed = language;
    }
}

// A writer killed right while creating its lock file leaves an empty one that names no owner.
TEST_F(WriteSafetyTest, ALockFileLeftWithoutAnOwnerIsTakenOverOnceItIsAFewSecondsOld) {
    const QString lockName = UserFile + QStringLiteral(".lock");
    WriteFileBytes(lockName, QByteArray());
    QFile lock(lockName);
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-5),
                                 QFileDevice::FileModificationTime));
    lock.close();

    EXPECT_TRUE(Reg.SetRegInteger(5, QStringLiteral("\\Page5"), QStringLiteral("Language")));
    int32_t language = 0;
    EXPECT_TRUE(Reg.GetTextNo(language));
    EXPECT_EQ(language, 5);
}

// A write the system refuses, as a full disk refuses it, reports failure and leaves the file as
// it was, with nothing beside it.
TEST_F(WriteSafetyTest, AWriteTheSystemRefusesLeavesTheFileAsItWas) {
    const QString longer(200, QLatin1Char('x'));
    {
        const TScopedFileSizeLimit limit(SeededUserCopy.size() + 16);
        EXPECT_FALSE(
            Reg.SetRegString(longer, QStringLiteral("\\PrintPage"), QStringLiteral("OurRef")));
    }
    EXPECT_EQ(FileBytes(UserFile), SeededUserCopy);
    EXPECT_EQ(QDir(QFileInfo(UserFile).absolutePath())
                  .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
              QStringList{QFileInfo(UserFile).fileName()});
    // The same write goes through once the file may grow.
    EXPECT_TRUE(Reg.SetRegString(longer, QStringLiteral("\\PrintPage"), QStringLiteral("OurRef")));
    EXPECT_TRUE(FileBytes(UserFile).contains(longer.toLatin1()));
}

// A FIFO in the settings file's place would hold the program at its first read; it is no
// settings file, so it is read as an unreadable one and set aside, never written into.
TEST_F(WriteSafetyTest, AFifoInTheFilesPlaceIsSetAsideNotWaitedFor) {
    QFile::remove(UserFile);
    ASSERT_TRUE(MakeSpecialFile(TSpecialFile::Fifo, UserFile));
    EXPECT_FALSE(TSettingsFile(UserFile).Read());
    EXPECT_FALSE(TSettingsFile(UserFile).Update([](TSettingsTree&) { return true; },
                                                TSettingsFile::TIfUnreadable::Fail));
    EXPECT_TRUE(IsSpecialFile(TSpecialFile::Fifo, UserFile));

    EXPECT_TRUE(TSettingsFile(UserFile).Update([](TSettingsTree&) { return true; },
                                               TSettingsFile::TIfUnreadable::SetAside));
    EXPECT_TRUE(QFileInfo(UserFile).isFile());
    const QStringList aside = QDir(QFileInfo(UserFile).absolutePath())
                                  .entryList({QFileInfo(UserFile).fileName() + ".unreadable-*"},
                                             QDir::System | QDir::AllEntries);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(IsSpecialFile(TSpecialFile::Fifo,
                              QFileInfo(UserFile).absolutePath() + "/" + aside.first()));
}

TEST_F(WriteSafetyTest, TwoWritersAtOnceLoseNothing) {
    constexpr int Writes = 150;
    QProcess first;
    QProcess second;
    StartWriter(first, QStringLiteral("distinct"), QStringLiteral("A"), 1, Writes);
    StartWriter(second, QStringLiteral("distinct"), QStringLiteral("B"), 1, Writes);
    ASSERT_TRUE(first.waitForFinished(120000));
    ASSERT_TRUE(second.waitForFinished(120000));
    ASSERT_EQ(first.exitCode(), 0);
    ASSERT_EQ(second.exitCode(), 0);

    for (const char* name : {"A", "B"})
        for (int i = 1; i <= Writes; ++i) {
            int32_t value = 0;
            EXPECT_TRUE(Reg.GetRegInteger(value, QStringLiteral("\\Page1"),
                                          QString::fromLatin1(name) + QString::number(i)))
                << name << i;
            EXPECT_EQ(value, i);
        }
    EXPECT_EQ(Reg.GetRegString(QStringLiteral("\\MainData"), QStringLiteral("Version")),
              QStringLiteral("2.03"));
}

} // namespace
