#include "engine/VerDep.h"

#include <gtest/gtest.h>

namespace {

TEST(VerDep, NameTransformations) {
    const TVerDep names;
    EXPECT_EQ(names.ChangeToValidFilename("ISO VG 100"), "ISO_VG_100");
    EXPECT_EQ(names.ChangeToValidFilename("KVAM 150-A°"), "KVAM_150_A_");
    EXPECT_EQ(names.RemoveCharsAfterLastDigit("A12B"), "A12");
    EXPECT_EQ(names.RemoveCharsAfterLastDigit("ABC"), "");
    EXPECT_EQ(names.RemoveCharsAfterLastUnderscore("VHM_400_1500_x"), "VHM_400_1500");
    EXPECT_EQ(names.RemoveCharsAfterLastUnderscore("VHM400"), "");
}

TEST(VerDep, CatalogueFilePerSeriesAndHigherOrdinalsAreCoolingSystems) {
    const TVerDep names;
    EXPECT_EQ(names.ChangeToCoolerIniFilename(AC_Cooler), "CnfAcEur.ini");
    EXPECT_EQ(names.ChangeToCoolerIniFilename(DC_Cooler), "CnfDcEur.ini");
    EXPECT_EQ(names.ChangeToCoolerIniFilename(Cooler_System), "CnfCsEur.ini");
    EXPECT_EQ(names.ChangeToCoolerIniFilename(VCS_Cooler), "CnfVcEur.ini");
    EXPECT_EQ(names.ChangeToCoolerIniFilename(static_cast<TCoolerType>(7)), "CnfVcEur.ini");
}

TEST(VerDep, SectionNamesFollowTheSeriesTheModelIsListedIn) {
    const TVerDep names;
    EXPECT_EQ(names.ChangeToSectionName("VHM_400_1500 rpm", Cooler_System), "VHM_400_1500");
    EXPECT_EQ(names.ChangeToSectionName("VHM_400_1500 rpm", AC_Cooler), "VHM_400_1500 rpm");
}

TEST(VerDep, DataSheetNames) {
    const TVerDep names;
    EXPECT_EQ(names.ChangeToImageFileName("VHM_400_1500_x", ".pdf", Cooler_System),
              "VHM_400_1500.pdf");
    EXPECT_EQ(names.ChangeToImageFileName("VAM_300_4_B", ".pdf", AC_Cooler), "VAM_300_4_B.pdf");
    EXPECT_EQ(names.ChangeToImageFileName("KVCS 300-D-A", ".pdf", VCS_Cooler), "KVCS_300_D_A.pdf");
}

} // namespace
