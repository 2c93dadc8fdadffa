#pragma once

#include "core/CoolerTypes.h"

#include <QString>

#include <QStringList>

#include <span>

// One model of a series as the program knows it: the name the user picks and the section of
// the series' catalogue file that holds its data.
struct TModelRow {
    const char* DisplayName; // hydraulic-motor models: without the rpm word, added when listed
    const char* SectionName;
};

// What sets the model lists of the four series apart besides their rows.
struct TModelListTraits {
    // The most models the series' list may hold; the built-in tables are held to it when the
    // program is compiled.
    int MaxModels;
    // The hydraulic-motor models are named by their fan speed, followed by the word for "rpm"
    // of the language shown when the list is filled.
    bool EndsInRpmText;
};

inline constexpr TModelListTraits ModelListVAM{12, false};
inline constexpr TModelListTraits ModelListVDM{8, false};
inline constexpr TModelListTraits ModelListVHM{18, true};
// The choose tables have room for more, but a list never reaches 20 models.
inline constexpr TModelListTraits ModelListVCS{19, false};

// Refills the display names and, at the same positions, the section names from `Rows`, the
// hydraulic-motor names ended by `RpmWord`, and returns the series' model count. The caller
// selects the first name in its drop-down list.
int32_t FillModelList(const TModelListTraits& Traits, std::span<const TModelRow> Rows,
                      const QString& RpmWord, QStringList& cbDimension, QStringList& cbShadow);

// The built-in list of one series, smallest model first: the choice of a cooler walks the
// models in this order and takes the first that suffices.
class TDimensionList {
public:
    // The lists are built in, so there is nothing to prepare before a fill.
    void Initiate() {}
    // The model count of the series.
    int32_t FillComboBoxDim(const QString& RpmWord, QStringList& cbDimension,
                            QStringList& cbShadow) const {
        return FillModelList(Traits, Rows, RpmWord, cbDimension, cbShadow);
    }

protected:
    TDimensionList(const TModelListTraits& Traits, std::span<const TModelRow> Rows)
        : Traits(Traits), Rows(Rows) {}

private:
    const TModelListTraits& Traits;
    std::span<const TModelRow> Rows;
};

// Coolers with an A.C. motor.
class TDimensionVAM : public TDimensionList {
public:
    TDimensionVAM();
};

// Small coolers with a 12 V or 24 V D.C. motor.
class TDimensionVDM : public TDimensionList {
public:
    TDimensionVDM();
};

// Coolers with a hydraulic motor; each size comes with two fan speeds.
class TDimensionVHM : public TDimensionList {
public:
    TDimensionVHM();
};

// Complete cooling systems with their own pump.
class TDimensionVCS : public TDimensionList {
public:
    TDimensionVCS();
};

// The models of a series as its list names them: the display names, the hydraulic-motor ones
// ended by `RpmWord`, and at the same positions the catalogue names.
struct SeriesModelList {
    QStringList Names;
    QStringList CatalogueNames;
};
SeriesModelList ModelListOf(TCoolerType Series, const QString& RpmWord);

// Fills the lists with the models of `Series` from its built-in list, the hydraulic-motor names
// ended by `RpmWord`, and returns their count; ordinals above the last series count as cooling
// systems, as the catalogue file naming does.
int32_t FillSeriesModelList(TCoolerType Series, const QString& RpmWord, QStringList& cbDimension,
                            QStringList& cbShadow);
