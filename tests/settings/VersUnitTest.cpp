#include "settings/VersUnit.h"

#include <gtest/gtest.h>

namespace {

TEST(VersUnit, ItsEditionIsTheUSBuildsUnlessGivenAnother) {
    const TVersUnit version;
    EXPECT_EQ(version.Edition(), TEdition::US);
    EXPECT_EQ(BuildEdition(), TEdition::US);
    EXPECT_EQ(TVersUnit(TEdition::European).Edition(), TEdition::European);
}

TEST(VersUnit, TheVersionTextsFollowTheLanguagesWordForVersion) {
    TVersUnit version;
    EXPECT_EQ(version.GetVerNumber(), QStringLiteral(" 2.03"));
    EXPECT_EQ(version.GetVersion(), QStringLiteral(" 2.03")); // before any texts are applied
    EXPECT_EQ(version.GetVer(), QStringLiteral(" 2.03"));

    version.SetMianGroupVersion(QStringLiteral("Version"));
    EXPECT_EQ(version.GetVersion(), QStringLiteral("Version 2.03"));
    EXPECT_EQ(version.GetVer(), QStringLiteral("Ver 2.03"));

    version.SetMianGroupVersion(QStringLiteral("Vr"));
    EXPECT_EQ(version.GetVer(), QStringLiteral("Vr 2.03"));
}

TEST(VersUnit, ItsTextsStayWithin255Characters) {
    TVersUnit version;
    version.SetMianGroupVersion(QString(300, u'v'));
    EXPECT_EQ(version.GetVersion().size(), 255);
}

} // namespace
