#include "engine/ModelLists.h"

#include <array>

// The rows must match the sections of the catalogue files, which tools/make_catalogue.py
// generates from the same lists.
namespace {

// The frame letter doubles as the variant letter of the section; from size 500 on the fans
// run on 6-pole motors.
constexpr std::array<TModelRow, 12> RowsVAM{{
    {"KVAM 100-A", "VAM2_100_4_A"},
    {"KVAM 150-A", "VAM2_150_4_A"},
    {"KVAM 200-A", "VAM2_200_4_A"},
    {"KVAM 250-A", "VAM2_250_4_A"},
    {"KVAM 300-B", "VAM_300_4_B"},
    {"KVAM 350-B", "VAM_350_4_B"},
    {"KVAM 400-B", "VAM_400_4_B"},
    {"KVAM 500-C", "VAM_500_6_C"},
    {"KVAM 600-C", "VAM_600_6_C"},
    {"KVAM 700-C", "VAM_700_6_C"},
    {"KVAM 800-C", "VAM_800_6_C"},
    {"KVAM 900-C", "VAM_900_6_C"},
}};

constexpr std::array<TModelRow, 8> RowsVDM{{
    {"KVDM 100", "VDM_100"},
    {"KVDM 125", "VDM_125"},
    {"KVDM 150", "VDM_150"},
    {"KVDM 175", "VDM_175"},
    {"KVDM 200", "VDM_200"},
    {"KVDM 250", "VDM_250"},
    {"KVDM 300", "VDM_300"},
    {"KVDM 350", "VDM_350"},
}};

// Size and fan speed; the two speeds of a size share the core (and the drawing). The section
// names end in a digit, so the hydraulic-motor rule that drops everything after the last
// digit leaves each of them whole.
constexpr std::array<TModelRow, 18> RowsVHM{{
    {"KVHM 200-1500", "VHM2_200_1500"},
    {"KVHM 200-2000", "VHM2_200_2000"},
    {"KVHM 250-1500", "VHM2_250_1500"},
    {"KVHM 250-2000", "VHM2_250_2000"},
    {"KVHM 300-1500", "VHM2_300_1500"},
    {"KVHM 300-2000", "VHM2_300_2000"},
    {"KVHM 350-1500", "VHM2_350_1500"},
    {"KVHM 350-2000", "VHM2_350_2000"},
    {"KVHM 400-1200", "VHM_400_1200"},
    {"KVHM 400-1500", "VHM_400_1500"},
    {"KVHM 500-1200", "VHM_500_1200"},
    {"KVHM 500-1500", "VHM_500_1500"},
    {"KVHM 600-1200", "VHM_600_1200"},
    {"KVHM 600-1500", "VHM_600_1500"},
    {"KVHM 700-1000", "VHM_700_1000"},
    {"KVHM 700-1200", "VHM_700_1200"},
    {"KVHM 800-1000", "VHM_800_1000"},
    {"KVHM 800-1200", "VHM_800_1200"},
}};

// Size, frame and fan variant. Frame D drives fan and pump from one 4-pole motor, frame A
// gives the pump a 4-pole motor of its own; variant B has the steeper fan.
constexpr std::array<TModelRow, 19> RowsVCS{{
    {"KVCS 150-D-A", "VCS2_150_4_D_A"}, {"KVCS 150-D-B", "VCS2_150_4_D_B"},
    {"KVCS 200-D-A", "VCS2_200_4_D_A"}, {"KVCS 200-D-B", "VCS2_200_4_D_B"},
    {"KVCS 250-D-A", "VCS2_250_4_D_A"}, {"KVCS 250-D-B", "VCS2_250_4_D_B"},
    {"KVCS 300-D-A", "VCS2_300_4_D_A"}, {"KVCS 300-D-B", "VCS2_300_4_D_B"},
    {"KVCS 350-D-A", "VCS2_350_4_D_A"}, {"KVCS 350-D-B", "VCS2_350_4_D_B"},
    {"KVCS 400-A-A", "VCS_400_4_A_A"},  {"KVCS 400-A-B", "VCS_400_4_A_B"},
    {"KVCS 500-A-A", "VCS_500_4_A_A"},  {"KVCS 500-A-B", "VCS_500_4_A_B"},
    {"KVCS 600-A-A", "VCS_600_4_A_A"},  {"KVCS 600-A-B", "VCS_600_4_A_B"},
    {"KVCS 700-A-A", "VCS_700_4_A_A"},  {"KVCS 700-A-B", "VCS_700_4_A_B"},
    {"KVCS 800-A-A", "VCS_800_4_A_A"},
}};

// The tables are the program's own, so a list longer than its series allows is caught here
// rather than shown to a user.
static_assert(std::ssize(RowsVAM) <= ModelListVAM.MaxModels);
static_assert(std::ssize(RowsVDM) <= ModelListVDM.MaxModels);
static_assert(std::ssize(RowsVHM) <= ModelListVHM.MaxModels);
static_assert(std::ssize(RowsVCS) <= ModelListVCS.MaxModels);

} // namespace

int32_t FillModelList(const TModelListTraits& Traits, std::span<const TModelRow> Rows,
                      const QString& RpmWord, QStringList& cbDimension, QStringList& cbShadow) {
    cbDimension.clear();
    cbShadow.clear();
    int32_t count = 0;
    const QString suffix = Traits.EndsInRpmText ? QLatin1Char(' ') + RpmWord : QString();
    for (const TModelRow& row : Rows) {
        cbDimension.append(QLatin1String(row.DisplayName) + suffix);
        cbShadow.append(QLatin1String(row.SectionName));
        ++count;
    }
    return count;
}

TDimensionVAM::TDimensionVAM() : TDimensionList(ModelListVAM, RowsVAM) {}
TDimensionVDM::TDimensionVDM() : TDimensionList(ModelListVDM, RowsVDM) {}
TDimensionVHM::TDimensionVHM() : TDimensionList(ModelListVHM, RowsVHM) {}
TDimensionVCS::TDimensionVCS() : TDimensionList(ModelListVCS, RowsVCS) {}

int32_t FillSeriesModelList(TCoolerType Series, const QString& RpmWord, QStringList& cbDimension,
                            QStringList& cbShadow) {
    switch (Series) {
    case AC_Cooler:
        return TDimensionVAM().FillComboBoxDim(RpmWord, cbDimension, cbShadow);
    case DC_Cooler:
        return TDimensionVDM().FillComboBoxDim(RpmWord, cbDimension, cbShadow);
    case Cooler_System:
        return TDimensionVHM().FillComboBoxDim(RpmWord, cbDimension, cbShadow);
    default:
        return TDimensionVCS().FillComboBoxDim(RpmWord, cbDimension, cbShadow);
    }
}

SeriesModelList ModelListOf(TCoolerType Series, const QString& RpmWord) {
    const auto list = [&](std::span<const TModelRow> rows, bool endsInRpmWord) {
        SeriesModelList models;
        const QString suffix = endsInRpmWord ? QLatin1Char(' ') + RpmWord : QString();
        for (const TModelRow& row : rows) {
            models.Names.append(QLatin1String(row.DisplayName) + suffix);
            models.CatalogueNames.append(QLatin1String(row.SectionName));
        }
        return models;
    };
    switch (Series) {
    case AC_Cooler:
        return list(RowsVAM, false);
    case DC_Cooler:
        return list(RowsVDM, false);
    case Cooler_System:
        return list(RowsVHM, true);
    default:
        return list(RowsVCS, false);
    }
}
