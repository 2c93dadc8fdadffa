#pragma once

#include "core/CoolerTypes.h"

#include <QStringList>

// Where the selection page takes the models of a series from. The product lists are built in
// (TDimensionVAM and its siblings); tests hand in small lists that fit their fixture
// catalogues.
class TSelectionModelLists {
public:
    virtual ~TSelectionModelLists() = default;
    // Refills the display names and, at the same positions, the catalogue names of the models
    // of `Series`, smallest first; the hydraulic-motor names end in `RpmWord`.
    virtual void FillComboBoxDim(TCoolerType Series, const QString& RpmWord,
                                 QStringList& cbTypeCoolerData, QStringList& cbShadow) const = 0;
};

// The model lists built into the program.
class TBuiltInModelLists : public TSelectionModelLists {
public:
    void FillComboBoxDim(TCoolerType Series, const QString& RpmWord, QStringList& cbTypeCoolerData,
                         QStringList& cbShadow) const override;
};

// The one instance the window and the command-line tool use.
const TSelectionModelLists& BuiltInModelLists();
