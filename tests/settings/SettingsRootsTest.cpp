#include "settings/SettingsRoots.h"

#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

TEST(SettingsRootsForProgram, UserCopyUnderXdgConfigAndMachineCopyBesideTheProgramsData) {
    QTemporaryDir config;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());

    const struct {
        TEdition Edition;
        const char* UserFile;
        const char* MachineFile;
    } cases[] = {
        {TEdition::US, "/Brenvik/Brenvik Cooler US.ini",
         "/opt/aircooler/share/aircooler/MachineSettings-US.ini"},
        {TEdition::European, "/Kylvane.ini",
         "/opt/aircooler/share/aircooler/MachineSettings-EU.ini"},
    };
    for (const auto& c : cases) {
        const TSettingsRoots roots =
            TSettingsRoots::ForProgram(QStringLiteral("/opt/aircooler/bin"), c.Edition);
        EXPECT_EQ(roots.UserFile, config.path() + QString::fromUtf8(c.UserFile));
        EXPECT_EQ(roots.MachineFile, QString::fromUtf8(c.MachineFile));
        EXPECT_EQ(roots.Edition, c.Edition);
    }

    if (previous.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", previous);
}

} // namespace
